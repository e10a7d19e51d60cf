// Shared set-up of the value-formatter tests: the language and the clock are
// process-wide, so every test pins them and puts them back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "engine/document/process_state.h"
#include "engine/fields/date_value.h"
#include "engine/fields/expr_token.h"

namespace engine::testing {

// 2024-03-15 12:00:00 UTC.
constexpr std::int64_t pinned_noon = 1710504000;

// Modifier words as the script hands them to a field renderer.
inline std::vector<expr_token> format_words(std::initializer_list<const wchar_t*> texts) {
    std::vector<expr_token> tokens;
    for (const wchar_t* text : texts) tokens.emplace_back(text, expr_kind::format_words);
    return tokens;
}

class language_test : public ::testing::Test {
protected:
    void SetUp() override {
        current_language = 0;
        set_clock_source([] { return pinned_noon; });
    }
    void TearDown() override {
        current_language = 0;
        set_clock_source(nullptr);
    }
    static void russian() { current_language = 1; }
    static void english() { current_language = 0; }
};

}  // namespace engine::testing
