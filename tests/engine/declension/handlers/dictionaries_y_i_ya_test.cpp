#include <gtest/gtest.h>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

namespace {

void expect_sound(const char* name, const rule_table& table) {
    auto problems = decl_test::rule_table_problems(table);
    EXPECT_TRUE(problems.empty()) << name << ":\n" << testing::PrintToString(problems);
}

}  // namespace

// Every entry reads, is chosen for some word built from it, and ties with no
// entry that leads elsewhere.
TEST(HandlerDictionariesYIYa, EveryTableIsSound) {
    expect_sound("-ы", long_y_rules());
    expect_sound("-и", long_i_rules());
    expect_sound("-я", long_ya_rules());
    for (wchar_t letter : std::wstring(L"лмнопрст")) expect_sound("four letters", *four_letter_list_l_to_t(letter));
    for (wchar_t letter : std::wstring(L"ыья")) expect_sound("four letters", *four_letter_list_y_soft_ya(letter));
}

TEST(HandlerDictionariesYIYa, ListsExistOnlyForTheirLetters) {
    EXPECT_EQ(four_letter_list_l_to_t(L'ы'), nullptr);
    EXPECT_EQ(four_letter_list_y_soft_ya(L'л'), nullptr);
    EXPECT_EQ(four_letter_list_l_to_t(0), nullptr);
}
