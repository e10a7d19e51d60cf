// The handlers' dictionaries, the closed word lists and the -ки endings as
// data: every entry reads, is chosen for some word built from it, and ties
// with no entry that leads elsewhere; list words fit their handler's length
// and final letter and sit in one row.
#include <bit>
#include <set>
#include <span>

#include "engine/declension/four_letter_word_lists.h"
#include "engine/declension/handlers/dictionaries.h"
#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/plurals_ki_rules.h"
#include "engine/declension/short_word_lists.h"
#include "engine/text/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

namespace {

// `letters`: the final letters the list may hold; for a catch-all list, the
// letters it must not hold (those have handlers of their own).
struct word_list {
    const char* handler;
    std::span<const rule_row> rows;
    std::size_t length;
    std::wstring_view letters;
    bool catch_all = false;
};

namespace s = short_word_lists;
namespace f = four_letter_word_lists;

// clang-format off
const word_list k_lists[] = {
    {"decline2", s::two_letters, 2, L"", true}, {"decline3_a", s::three_letters_a, 3, L"а"},
    {"decline3_i", s::three_letters_i, 3, L"и"}, {"decline3_y", s::three_letters_y, 3, L"ы"},
    {"decline3_other", s::three_letters_other, 3, L"аиы", true}, {"decline4_a", f::four_letters_a, 4, L"а"},
    {"decline4_b", f::four_letters_b, 4, L"б"}, {"decline4_v", f::four_letters_v, 4, L"в"},
    {"decline4_g", f::four_letters_g, 4, L"г"}, {"decline4_d", f::four_letters_d, 4, L"д"},
    {"decline4_e", f::four_letters_e, 4, L"е"}, {"decline4_z", f::four_letters_z, 4, L"з"},
    {"decline4_i", f::four_letters_i, 4, L"и"}, {"decline4_j", f::four_letters_j, 4, L"й"},
    {"decline4_k", f::four_letters_k, 4, L"к"},
    {"decline4_other", f::four_letters_other, 4, L"абвгдезийклмнопрстыья", true},
};
// clang-format on

// A letter outside the lower-case alphabet (a Latin look-alike, a capital)
// reads as the "other" class; only wildcards and [^…] sets may include it.
bool typed_outside_alphabet(letter_mask position) {
    return (position & letter_bit(L'x')) != 0 && std::popcount(position) < 20;
}

letter_mask mask_of(std::wstring_view letters) {
    letter_mask mask = 0;
    for (wchar_t c : letters) mask |= letter_bit(c);
    return mask;
}

}  // namespace

TEST(HandlerDictionaries, EveryTableIsSound) {
    std::vector<std::pair<std::string, const rule_table*>> tables = {
        {"-р", &long_r_rules()},    {"-й", &long_j_rules()},  {"-а", &long_a_rules()},
        {"-ь", &long_soft_rules()}, {"-к", &long_k_rules()},  {"-б", &long_b_rules()},
        {"-в", &long_v_rules()},    {"-г", &long_g_rules()},  {"-д", &long_d_rules()},
        {"-ж", &long_zh_rules()},   {"-з", &long_z_rules()},  {"-е", &long_e_rules()},
        {"-л", &long_l_rules()},    {"-м", &long_m_rules()},  {"-н", &long_n_rules()},
        {"-о", &long_o_rules()},    {"-п", &long_p_rules()},  {"-с", &long_s_rules()},
        {"-т", &long_t_rules()},    {"-ф", &long_f_rules()},  {"-х", &long_kh_rules()},
        {"-ч", &long_ch_rules()},   {"-ш", &long_sh_rules()}, {"-щ", &long_shch_rules()},
        {"-ц", &long_ts_rules()},   {"-ы", &long_y_rules()},  {"-и", &long_i_rules()},
        {"-я", &long_ya_rules()},
    };
    for (wchar_t letter : std::wstring(L"лмнопрст"))
        tables.emplace_back("four letters", four_letter_list_l_to_t(letter));
    for (wchar_t letter : std::wstring(L"ыья"))
        tables.emplace_back("four letters", four_letter_list_y_soft_ya(letter));
    for (const auto& [name, table] : tables) {
        ASSERT_NE(table, nullptr) << name;
        auto problems = decl_test::rule_table_problems(*table);
        EXPECT_TRUE(problems.empty()) << name << ":\n" << testing::PrintToString(problems);
    }
}

TEST(WordListStructure, EveryWordFitsItsHandlerAndSitsInOneRow) {
    for (const word_list& list : k_lists) {
        SCOPED_TRACE(list.handler);
        rule_table table(list.rows);
        EXPECT_EQ(decl_test::rule_table_problems(table), std::vector<std::string>{});
        const letter_mask letters = mask_of(list.letters);
        std::set<std::wstring> seen;
        for (const rule_entry& entry : table.entries()) {
            SCOPED_TRACE(to_utf8(entry.text));
            // A whole word: its letters, then "no letter" in front of it.
            ASSERT_FALSE(entry.positions.empty());
            EXPECT_EQ(entry.positions.back(), no_letter_bit);
            EXPECT_EQ(entry.positions.size(), list.length + 1);
            for (std::size_t p = 0; p + 1 < entry.positions.size(); ++p)
                EXPECT_EQ(entry.positions[p] & ~any_present_letter, 0u) << "position " << p;
            const letter_mask last = entry.positions[0];
            if (list.catch_all)
                EXPECT_EQ(last & letters, 0u);
            else
                EXPECT_EQ(last & ~letters, 0u);
            EXPECT_TRUE(seen.insert(entry.text).second) << "listed twice";
            for (letter_mask position : entry.positions)
                EXPECT_FALSE(typed_outside_alphabet(position));
        }
    }
}

TEST(WordListStructure, PluralsInKiEndInKiAndAreAllReachable) {
    for (std::span<const rule_row> rows : {std::span<const rule_row>(plurals_ki::rules),
                                           std::span<const rule_row>(plurals_ki::anki_rules)}) {
        rule_table table(rows);
        EXPECT_EQ(decl_test::rule_table_problems(table), std::vector<std::string>{});
        for (const rule_entry& entry : table.entries()) {
            SCOPED_TRACE(to_utf8(entry.text));
            ASSERT_GE(entry.positions.size(), 3u);
            EXPECT_EQ(entry.positions[0], letter_bit(L'и'));
            EXPECT_EQ(entry.positions[1], letter_bit(L'к'));
            for (letter_mask position : entry.positions)
                EXPECT_FALSE(typed_outside_alphabet(position));
            if (entry.positions.back() == no_letter_bit) {
                EXPECT_GE(entry.positions.size() - 1, 5u);
                EXPECT_LE(entry.positions.size() - 1, 8u);
            }
        }
        for (const rule_row& row : rows) EXPECT_EQ(row.gender, list_codes::plural);
    }
}
