// A number written in words with the same number in figures in brackets after
// it, as contracts write terms: "thirty (30) days", «тридцать (30) дней».
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

struct words_before_figures {
    std::size_t figures_start = 0;  // the figures inside the brackets
    std::size_t figures_end = 0;
    std::size_t after_bracket = 0;  // just after the closing bracket
};

// Where the figures lie when `text` begins with the words of a whole number
// (Russian in the nominative of any gender, or English; any letter case,
// hyphens or blanks between the words, an English "and" or none) and then
// the same number in figures in round brackets. None when the words are no
// number or another one than the figures: "thirty (31) days" is no number.
std::optional<words_before_figures> find_words_before_figures(std::wstring_view text);

// `text` with the words and brackets left out: "thirty (30) days" gives
// "30 days".
std::wstring figures_and_what_follows(std::wstring_view text, const words_before_figures& found);

}  // namespace engine
