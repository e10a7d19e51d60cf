// The compiled dictionaries of the word handlers, for the handlers themselves
// and for the tests that check every table's structure. Each table is built
// on first use from constexpr rows in the handler's file.
#pragma once

#include "engine/declension/rule_table.h"

namespace engine {

const rule_table& long_r_rules();
const rule_table& long_j_rules();
const rule_table& long_a_rules();
const rule_table& long_soft_rules();
const rule_table& long_k_rules();

}  // namespace engine
