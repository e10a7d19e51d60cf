// Helpers shared by the declension tests. Slots start at `untouched`, so "not
// stored" is asserted as that sentinel.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/declension/rule_table.h"
#include "engine/declension/word_handlers.h"
#include "engine/fields/expr_token.h"

namespace decl_test {

inline constexpr std::uint32_t untouched = 99;

// decline_word (or one handler, called directly) gives `form` and leaves these
// slot values.
::testing::AssertionResult declines_as(engine::word_handler handler, const std::wstring& word,
                                       int c, const std::wstring& form, std::uint32_t gender,
                                       std::uint32_t animate);
inline void expect_decl(const std::wstring& word, int c, const std::wstring& form,
                        std::uint32_t gender, std::uint32_t animate) {
    EXPECT_TRUE(declines_as(nullptr, word, c, form, gender, animate));
}
inline void expect_handler(engine::word_handler handler, const std::wstring& word, int c,
                           const std::wstring& form, std::uint32_t gender, std::uint32_t animate) {
    EXPECT_TRUE(declines_as(handler, word, c, form, gender, animate));
}

// decline_word's form of the word, with fresh slots (the animacy given).
std::wstring form_of(const std::wstring& word, int c, std::uint32_t animate = 0);

// The modifier words of a name field reference, as the field evaluator hands
// them over.
std::vector<engine::expr_token> modifiers(std::vector<std::wstring> words);

// One readable message per problem of the table: an entry that does not read,
// is never chosen for a word built from it, or ties with an entry that leads
// elsewhere. Empty when the table is sound.
std::vector<std::string> rule_table_problems(const engine::rule_table& table);

}  // namespace decl_test
