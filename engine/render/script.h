// The template script interpreter: a paragraph text in, its HTML out.
//
// `run` lexes the source, groups the tokens into statements and executes them:
// text is output, every braced expression goes to a `field_evaluator`, every
// condition to a `condition_evaluator`, and format markers become HTML. One
// object serves one call of `run` or `test`, in the render context it is
// given, whose document may be null ("no document": references are then
// empty). Scripts nest (a value or an inner block may itself be a script,
// run in the same context), within the budget of the context's nested runs
// (nested_runs.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/fields/render_context.h"
#include "engine/render/script_lexer.h"

namespace engine {

class markup_position;
class stop_after_value;

namespace statement_kind {
constexpr std::uint32_t output = 0;
constexpr std::uint32_t condition = 1;
constexpr std::uint32_t then_part = 2;
constexpr std::uint32_t else_part = 3;
constexpr std::uint32_t chain_end = 4;
}  // namespace statement_kind

struct script_statement {
    std::uint32_t kind = statement_kind::output;
    std::vector<expr_token> tokens;

    bool operator==(const script_statement&) const = default;
};

class script {
public:
    // Also lets `context` run the nested scripts of values.
    script(std::wstring source, render_context& context);

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
    std::wstring evaluate(script_statement& statement, markup_position& position,
                          stop_after_value& stop);
    std::wstring source_text() const;
    std::wstring budget_refusal() const;

    std::wstring source_;
    render_context& context_;
    std::vector<script_statement> statements_;
    bool parsed_ = false;
    bool clause_started_ = false;
    std::uint32_t clause_kind_ = 0;
    bool new_statement_ = true;
    int open_braces_ = 0;
    int close_braces_ = 0;
};

}  // namespace engine
