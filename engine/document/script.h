// The template script interpreter: a paragraph text in, its HTML out.
//
// `run` lexes the source, groups the tokens into statements and executes them:
// text is output, every braced expression goes to a `field_evaluator`, every
// condition to a `condition_evaluator`, and format markers become HTML. One
// object serves one call of `run` or `test`. The document may be null ("no
// document"): references are then empty. Scripts nest (a value or an inner
// block may itself be a script); beyond `max_script_nesting` levels, or after
// `max_nested_script_runs` nested runs under one outermost run, `run` gives
// the source escaped and unevaluated and `test` gives false, so fields that
// name themselves cannot exhaust the stack or the memory. UI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/document/script_lexer.h"
#include "engine/fields/expr_token.h"

namespace engine {

class document;
class markup_position;
struct document_data;

constexpr int max_script_nesting = 16;
constexpr int max_nested_script_runs = 10000;

namespace statement_kind {
constexpr std::uint32_t output = 0;
constexpr std::uint32_t condition = 1;
constexpr std::uint32_t then_part = 2;
constexpr std::uint32_t else_part = 3;
constexpr std::uint32_t chain_end = 4;
}  // namespace statement_kind

// Numbers the outermost `run` or `test` under way, so that work done once
// per run can tell runs apart; 0 while no script runs.
std::uint64_t current_script_run();

struct script_statement {
    std::uint32_t kind = statement_kind::output;
    std::vector<expr_token> tokens;

    bool operator==(const script_statement&) const = default;
};

class script {
public:
    script(std::wstring source, document* doc);

    // The rendered HTML of the whole source.
    std::wstring run();
    // The first statement as a condition; false when there is none. The data
    // panel passes a field's display condition wrapped in "{" and "}".
    bool test();
    // The statements of the source, without running them.
    const std::vector<script_statement>& parse();

private:
    void clause_switch(std::uint32_t kind);
    void push_statement(std::uint32_t kind, expr_token token);
    void append(expr_token token, std::uint32_t kind);
    void add_node(script_token& token);
    void emit_format(std::uint32_t code, const std::wstring& marker_text);
    std::wstring marker_html(std::uint32_t code, const std::wstring& marker_text) const;
    std::wstring execute();
    std::wstring evaluate(script_statement& statement, markup_position& position);

    std::wstring source_;
    document* document_;
    document_data* data_;
    std::vector<script_statement> statements_;
    bool parsed_ = false;
    bool clause_started_ = false;
    std::uint32_t clause_kind_ = 0;
    bool new_statement_ = true;
    int open_braces_ = 0;
    int close_braces_ = 0;
};

}  // namespace engine
