// The second stage of the reading: the words around a number's figures.
// Before them, a sign, currency signs and a currency code; after them, the
// words of money, time and quantity (number_tail_words.h), kopecks, an
// amount in words in brackets, and a day of the month's ending.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/fields/single_number.h"

namespace engine::reading {

// Where a number lies in its text and what follows it.
struct number_scan {
    std::size_t figures_start = 0;  // the first digit, or the separator of ",5"
    std::size_t length = 0;         // after the figures and a dangling separator
    bool plain_digits = false;      // one run of digits and nothing else
    int zeros = 0;                  // of a multiplier after the number
    bool number_is_kopecks = false;
    std::optional<std::wstring> kopecks;  // two digits typed with their word
    number_words words;
};

// The sign, currency signs and at most one currency code before the number;
// none when anything else stands there.
std::optional<std::size_t> lead_end(std::wstring_view text, std::size_t at, bool code_allowed,
                                    number_words& words);

// Where the number starts after the words a field of `unit` reads before it
// («в течение», "net" in a term; «не позднее» in a day of the month); 0 when
// there are none.
std::size_t leading_words_end(std::wstring_view text, number_unit unit);

// Reads the words from `at`, after the figures, into `scan`; false when
// anything there is no word of money, time or quantity.
bool read_words_after(std::wstring_view text, std::size_t at, number_scan& scan);

// Whether `text` from `at` is a short unit, blanks around it allowed, or nothing.
bool is_short_unit_tail(std::wstring_view text, std::size_t at);

// A day of the month from `start` typed with its ending: «15-го», «15-е»,
// «15го», «15 числа», «15-го числа», «10 числа каждого месяца», "15th",
// "1st of the month".
std::optional<single_number> day_with_ending(std::wstring_view text, std::size_t start);

}  // namespace engine::reading
