// One token of a script statement, as the template script hands it to the
// field evaluator and the condition evaluator. Copied and moved as a whole.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

namespace expr_kind {
constexpr std::uint32_t other = 0;         // keyword or other token: ignored
constexpr std::uint32_t literal = 1;       // plain text, output as it is
constexpr std::uint32_t operator_run = 2;  // "+", "=", "<=", …
constexpr std::uint32_t reference = 3;     // a parameter or variable name
constexpr std::uint32_t format_words = 4;  // the words before ":" for the next value
constexpr std::uint32_t quoted = 5;        // quoted text, and marker HTML
constexpr std::uint32_t number = 6;
constexpr std::uint32_t date_literal = 7;
constexpr std::uint32_t indirect = 8;  // a nested block, run as a script of its own
constexpr std::uint32_t open_paren = 9;
constexpr std::uint32_t close_paren = 10;
constexpr std::uint32_t negation = 11;  // "не", "not", "!"
constexpr std::uint32_t and_token = 12;
constexpr std::uint32_t or_token = 13;
}  // namespace expr_kind

struct expr_token {
    expr_token() = default;
    expr_token(std::wstring token_text, std::uint32_t token_kind)
        : kind(token_kind), text(std::move(token_text)) {}

    std::uint32_t kind = 0;
    // 0 in script tokens; a resolved value keeps its value type here.
    std::uint32_t flag = 0;
    std::wstring text;
    // Empty in script tokens; a resolved value keeps its value text here.
    std::wstring second_text;
    std::int64_t value = 0;

    bool operator==(const expr_token&) const = default;
};

}  // namespace engine
