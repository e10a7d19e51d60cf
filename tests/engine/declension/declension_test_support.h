// Helpers shared by the declension tests.
//
// expect_decl / expect_handler run a word through decline_word or one handler
// with both slots preset to `untouched`, so "not stored" is asserted as the
// sentinel. rule_table_problems is the structural check every handler's
// dictionary runs: every entry reads, every entry is chosen for some word
// built from it, and no word ties two entries that lead to different results.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/declension/rule_table.h"
#include "engine/declension/word_handlers.h"
#include "engine/fields/expr_token.h"

namespace decl_test {

// What a slot holds when nothing was written to it.
inline constexpr std::uint32_t untouched = 99;

::testing::AssertionResult declines_as(engine::word_handler handler, const std::wstring& word, int c,
                                       const std::wstring& form, std::uint32_t gender, std::uint32_t animate);

// decline_word(word, c) gives `form` and leaves these slot values.
inline void expect_decl(const std::wstring& word, int c, const std::wstring& form, std::uint32_t gender,
                        std::uint32_t animate) {
    EXPECT_TRUE(declines_as(nullptr, word, c, form, gender, animate));
}

// The same, calling one handler directly (any case value, any word).
inline void expect_handler(engine::word_handler handler, const std::wstring& word, int c, const std::wstring& form,
                           std::uint32_t gender, std::uint32_t animate) {
    EXPECT_TRUE(declines_as(handler, word, c, form, gender, animate));
}

// decline_word's form of the word, with fresh slots (the animacy given).
std::wstring form_of(const std::wstring& word, int c, std::uint32_t animate = 0);

// The modifier words of a name field reference, as the field evaluator
// hands them over.
std::vector<engine::expr_token> modifiers(std::vector<std::wstring> words);

// Words that every given entry matches, built from the entries' positions and
// conditions with varying filler letters and lengths; empty when none was
// found.
std::vector<std::wstring> words_matching(const std::vector<const engine::rule_entry*>& entries);

// One readable message per problem of the table; empty when it is sound.
std::vector<std::string> rule_table_problems(const engine::rule_table& table);

}  // namespace decl_test
