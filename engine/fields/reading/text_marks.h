// The marks and words of a typed number, read a character at a time by
// every stage of the reading: blanks, separators, dashes, signs, and a word
// in lower case.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine::reading {

inline bool is_group_blank(wchar_t c) {
    return c == L' ' || c == L'\u00A0' || c == L'\u202F' || c == L'\u2009';
}
inline bool is_any_blank(wchar_t c) { return is_group_blank(c) || is_blank(c); }
inline bool is_separator(wchar_t c) { return c == L',' || c == L'.'; }
inline bool is_dash(wchar_t c) { return c == L'-' || c == L'\u2013' || c == L'\u2014'; }
inline bool is_money_sign(wchar_t c) {
    return c == L'$' || c == L'\u20AC' || c == L'\u00A3' || c == L'\u20BD';
}
inline bool is_sign(wchar_t c) {
    return c == L'+' || c == L'-' || c == L'\u2212' || is_money_sign(c) || is_any_blank(c);
}
// Blanks part groups alike, whichever of them was typed.
inline bool same_mark(wchar_t a, wchar_t b) {
    return a == b || (is_group_blank(a) && is_group_blank(b));
}

inline std::size_t skip_blanks(std::wstring_view text, std::size_t at) {
    while (at < text.size() && is_any_blank(text[at])) ++at;
    return at;
}

inline std::size_t digits_from(std::wstring_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - at;
}

// Whether `text` holds a Cyrillic letter: its words are Russian.
inline bool holds_cyrillic(std::wstring_view text) {
    for (wchar_t c : text)
        if (c >= 0x0400 && c <= 0x04FF) return true;
    return false;
}

// A word in lower case with ё as е; longer words are no unit and come back
// cut, which matches nothing.
class lowered_word {
public:
    lowered_word(std::wstring_view text, std::size_t at) : begin_(at), end_(at) {
        while (end_ < text.size() && is_alpha_char(text[end_])) {
            const wchar_t c = folded_letter(text[end_++]);
            if (size_ < letters_.size()) letters_[size_++] = c;
        }
        if (end_ - begin_ > letters_.size()) size_ = 0;
    }
    std::wstring_view view() const { return {letters_.data(), size_}; }
    std::size_t end() const { return end_; }

private:
    std::array<wchar_t, 24> letters_{};
    std::size_t size_ = 0;
    std::size_t begin_;
    std::size_t end_;
};

}  // namespace engine::reading
