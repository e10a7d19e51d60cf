// The compiled dictionaries of the handlers for words in -ы, -и and -я and of
// the four-letter lists in -л ... -т, -ы, -ь, -я, for the handlers themselves
// and for the tests that check every table's structure. Each table is built
// on first use from constexpr rows in the handler's file.
#pragma once

#include "engine/declension/handlers/singular_check.h"
#include "engine/declension/rule_table.h"

namespace engine {

// Plurals in -ы. Own procedures: -чты (мечты takes a genitive of its own)
// and the numeral полторы.
const rule_table& long_y_rules();
inline constexpr int long_y_dreams = special_outcome;
inline constexpr int long_y_poltora = special_outcome + 1;
// The check a row of the -ы table names, or null for a row without one.
const singular_check* long_y_check(const rule_row& row);

// Words in -и. Own procedures below; a row asking the singular names a check.
const rule_table& long_i_rules();
inline constexpr int long_i_plurals_in_ki = special_outcome;  // handed whole to decline_long_i_ki
inline constexpr int long_i_genitive_in_en = special_outcome + 1;  // бойни, боен
inline constexpr int long_i_ruts = special_outcome + 2;            // колеи, колей
const singular_check* long_i_check(const rule_row& row);

// Words in -я; the participles and -ружья decline by own forms.
const rule_table& long_ya_rules();

// The closed list of four-letter words with that final letter (л м н о п р
// с т, and ы ь я), or null for any other letter.
const rule_table* four_letter_list_l_to_t(wchar_t final_letter);
const rule_table* four_letter_list_y_soft_ya(wchar_t final_letter);

}  // namespace engine
