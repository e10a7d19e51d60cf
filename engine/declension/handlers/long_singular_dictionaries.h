// The compiled dictionaries of the singular handlers in -б to -з, -е, -л to
// -п, -с, -т and -ф to -щ, for the handlers and for the structural tests.
#pragma once

#include "engine/declension/rule_table.h"

namespace engine {

const rule_table& long_b_rules();
const rule_table& long_v_rules();
const rule_table& long_g_rules();
const rule_table& long_d_rules();
const rule_table& long_zh_rules();
const rule_table& long_z_rules();
const rule_table& long_e_rules();
const rule_table& long_l_rules();
const rule_table& long_m_rules();
const rule_table& long_n_rules();
const rule_table& long_o_rules();
const rule_table& long_p_rules();
const rule_table& long_s_rules();
const rule_table& long_t_rules();
const rule_table& long_f_rules();
const rule_table& long_kh_rules();
const rule_table& long_ch_rules();
const rule_table& long_sh_rules();
const rule_table& long_shch_rules();
const rule_table& long_ts_rules();

}  // namespace engine
