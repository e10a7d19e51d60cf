#include <gtest/gtest.h>

#include "engine/declension/handlers/dictionaries.h"
#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

// Every entry reads, is chosen for some word built from it, and ties with no
// entry that leads elsewhere.
TEST(HandlerDictionaries, EveryTableIsSound) {
    std::vector<std::pair<std::string, const rule_table*>> tables = {
        {"-р", &long_r_rules()},  {"-й", &long_j_rules()},  {"-а", &long_a_rules()},   {"-ь", &long_soft_rules()},
        {"-к", &long_k_rules()},  {"-б", &long_b_rules()},  {"-в", &long_v_rules()},   {"-г", &long_g_rules()},
        {"-д", &long_d_rules()},  {"-ж", &long_zh_rules()}, {"-з", &long_z_rules()},   {"-е", &long_e_rules()},
        {"-л", &long_l_rules()},  {"-м", &long_m_rules()},  {"-н", &long_n_rules()},   {"-о", &long_o_rules()},
        {"-п", &long_p_rules()},  {"-с", &long_s_rules()},  {"-т", &long_t_rules()},   {"-ф", &long_f_rules()},
        {"-х", &long_kh_rules()}, {"-ч", &long_ch_rules()}, {"-ш", &long_sh_rules()},  {"-щ", &long_shch_rules()},
        {"-ц", &long_ts_rules()}, {"-ы", &long_y_rules()},  {"-и", &long_i_rules()},   {"-я", &long_ya_rules()},
    };
    for (wchar_t letter : std::wstring(L"лмнопрст")) tables.emplace_back("four letters", four_letter_list_l_to_t(letter));
    for (wchar_t letter : std::wstring(L"ыья")) tables.emplace_back("four letters", four_letter_list_y_soft_ya(letter));
    for (const auto& [name, table] : tables) {
        ASSERT_NE(table, nullptr) << name;
        auto problems = decl_test::rule_table_problems(*table);
        EXPECT_TRUE(problems.empty()) << name << ":\n" << testing::PrintToString(problems);
    }
}
