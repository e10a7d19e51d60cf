// English words for a string of decimal digits: short scale, hyphenated tens,
// no "and" (2,500 is "two thousand five hundred").
#pragma once

#include <string>

namespace engine {

// `digits` may hold "," and blanks, which are dropped; any other non-digit
// counts as 0. Up to 20 digits are worded (to the quintillions); a longer
// text comes back unchanged. A text with no non-zero digit reads "zero".
// Mode 1 marks a two-digit fraction part (cents); the words are the same.
// One blank parts every two words (1005 is "one thousand five").
std::wstring number_words_en(std::wstring digits, int mode);

// "point" and one word per digit, for the decimals after an integer part:
// "05" gives "point zero five".
std::wstring decimal_words_en(const std::wstring& digits);

}  // namespace engine
