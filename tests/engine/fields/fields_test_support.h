// Shared set-up of the value-formatter tests: each test reads and renders in a
// language of its own, against a clock pinned at one moment.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/fields/date_parse.h"
#include "engine/fields/date_value.h"
#include "engine/fields/expr_token.h"
#include "engine/fields/number_value.h"

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
    void russian() { language = 1; }
    void english() { language = 0; }

    // Values read in `language` at the pinned clock.
    date_value parse(const std::wstring& text) const {
        return parse_date_value(text, language, pinned_noon);
    }
    date_value today() const { return date_value::today(language, pinned_noon); }
    date_value from_seconds(std::int64_t seconds) const {
        return date_value_from_filetime(seconds, language);
    }
    number_value number(const std::wstring& text) const {
        return number_value(nullptr, text, language);
    }
    std::wstring clean(const std::wstring& text) const { return clean_number_text(text, language); }

    int language = 0;
};

}  // namespace engine::testing
