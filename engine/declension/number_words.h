// Russian numbers in words, in any of the six cases.
//
// number_words_in_case spells a string of up to 20 decimal digits as a whole
// number, as the integer or fraction part of a decimal ("целых", "десятых" ...)
// or as the rubles or kopecks of a money amount, with the nouns that follow
// the number declined to agree, one blank between the words.
//
// Pure apart from the declension it asks for; any thread, like decline_word.
#pragma once

#include <string>

namespace engine {

// The kind argument; every other value is a plain whole number.
inline constexpr int number_kind_integer_part = 10;
inline constexpr int number_kind_fraction_part = 11;
inline constexpr int number_kind_rubles = 14;
inline constexpr int number_kind_kopecks = 15;

// Digits in words in a case (1 nominative ... 6 prepositional; anything else
// acts as 1). Blanks around the digits are ignored, a character that is not a
// digit counts as 0, no digits or 21 or more characters come back as they
// are, and digits that are all zeros read as "0" ("ноль", "ноль целых",
// "ноль копеек").
std::wstring number_words_in_case(std::wstring digits, int grammatical_case, int kind);

}  // namespace engine
