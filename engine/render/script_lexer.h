// The template script lexer: one paragraph text in, a flat token list out.
//
// Plain text with expressions in braces. A five-state machine (text, quoted,
// number, expression, operator) reads the source once; Russian and English
// keywords and markers are accepted whatever the interface language. It never
// fails: every input gives a token list, and an unbalanced brace or quote
// drops what it left pending at the end. Tokens hold copies of the source.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Token types; the numbers are the ones the parser and tests speak of.
namespace script_token_type {
constexpr std::uint32_t text = 1;               // plain text, blanks collapsed, ' as &apos;
constexpr std::uint32_t verbatim = 2;           // a whole «{!…}» block, braces included
constexpr std::uint32_t quoted = 3;             // quoted text without its quotes
constexpr std::uint32_t number = 4;             // digits, "." and "," with blanks removed
constexpr std::uint32_t word = 5;               // a name or another word of an expression
constexpr std::uint32_t keyword = 6;            // lower-case keyword, code 1-6
constexpr std::uint32_t marker = 7;             // brace sequence or format marker, code 8-22
constexpr std::uint32_t modifier = 8;           // the words before a ":" in an expression
constexpr std::uint32_t operator_run = 10;      // a run of operator characters
constexpr std::uint32_t nested_condition = 11;  // a whole inner «{ЕСЛИ …}» block
constexpr std::uint32_t open_brace = 12;
constexpr std::uint32_t close_brace = 13;
constexpr std::uint32_t quote = 14;
constexpr std::uint32_t open_paren = 15;
constexpr std::uint32_t close_paren = 16;
constexpr std::uint32_t comma = 17;
}  // namespace script_token_type

// Keyword codes (type 6) and marker codes (type 7).
namespace script_code {
constexpr std::uint32_t if_keyword = 1;
constexpr std::uint32_t then_keyword = 2;
constexpr std::uint32_t else_keyword = 3;
constexpr std::uint32_t not_keyword = 4;
constexpr std::uint32_t and_keyword = 5;
constexpr std::uint32_t or_keyword = 6;
constexpr std::uint32_t table_start = 8;
constexpr std::uint32_t table_end = 9;
constexpr std::uint32_t table_row = 10;
constexpr std::uint32_t table_cell = 11;
constexpr std::uint32_t bold_on = 12;
constexpr std::uint32_t bold_off = 13;
constexpr std::uint32_t italic_on = 14;
constexpr std::uint32_t italic_off = 15;
constexpr std::uint32_t underline_on = 16;
constexpr std::uint32_t underline_off = 17;
constexpr std::uint32_t line_break = 18;
constexpr std::uint32_t non_breaking_space = 20;
constexpr std::uint32_t thin_space = 21;
constexpr std::uint32_t indented_line = 22;
}  // namespace script_code

struct script_token {
    std::wstring text;
    std::uint32_t type = 0;
    std::uint32_t code = 0;

    bool operator==(const script_token&) const = default;
};

std::vector<script_token> lex_script(std::wstring_view source);

// 1-6 when a keyword (ЕСЛИ/IF … ИЛИ/OR, any letter case) starts `text` and
// is followed by a keyword separator or the end; 0 otherwise. `length` gets
// the keyword's length.
std::uint32_t match_keyword(std::wstring_view text, std::size_t* length = nullptr);

}  // namespace engine
