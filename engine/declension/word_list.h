// Closed word lists of the declension core and how one of their rows finishes
// a word.
//
// The handlers for two-, three- and four-letter words keep their lists as
// constexpr rule_row arrays (short_word_lists.h, four_letter_word_lists.h),
// one row per line of the dictionary they were copied from, and look a word
// up through a rule_table built once per handler. A row names a paradigm, or
// one of the core's own outcomes below.
//
// Pure functions over their arguments; any thread, like every handler.
#pragma once

#include <cstdint>
#include <string>

#include "engine/declension/rule_table.h"

namespace engine {

// The word's own six case forms (ты, она, оба, боец, яйца, ложе ...).
inline constexpr int irregular_forms = own_outcome;
// мои, эти, свои, твои: the word itself in the nominative and accusative,
// + "х", "м", "ми", "х" in the other cases.
inline constexpr int plural_pronoun_forms = own_outcome + 1;
// ёрш: ё becomes е, then paradigm_055.
inline constexpr int yo_replaced_then_055 = own_outcome + 2;

// Short names for the gender and animacy columns of the lists.
namespace list_codes {
inline constexpr std::int8_t masculine = 1;
inline constexpr std::int8_t feminine = 2;
inline constexpr std::int8_t neuter = 3;
inline constexpr std::int8_t plural = 4;
inline constexpr std::int8_t inanimate = 0;
inline constexpr std::int8_t animate = 1;
}  // namespace list_codes

// The case form the row gives, then the stores the row asks for: the
// animacy first, then the gender. A from_input row hands the caller's
// animacy to its paradigm and stores none.
std::wstring decline_by_list_row(const rule_row& row, std::wstring word, int c,
                                 std::uint32_t* gender, std::uint32_t* animate);

// The word through its list: unchanged, with both slots untouched, when no
// row knows it.
std::wstring decline_by_list(const rule_table& list, std::wstring word, int c,
                             std::uint32_t* gender, std::uint32_t* animate);

}  // namespace engine
