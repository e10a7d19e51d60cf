// The template script interpreter: a paragraph text in, its HTML out.
//
// `run` lexes the source, groups the tokens into statements and executes them:
// text is output, every braced expression goes to a `field_evaluator`, every
// condition to a `condition_evaluator`, and format markers become HTML. One
// object serves one call of `run` or `test`. The document may be null ("no
// document"): references are then empty. Scripts nest (a value or an inner
// block may itself be a script). The runs nested in one outermost run share
// a budget: beyond `max_script_nesting` levels, or once they have scanned
// `max_nested_characters` between them, `run` gives the source escaped and
// unevaluated and `test` gives false, so fields that name themselves cannot
// exhaust the stack, the memory or the time. UI thread only.
#pragma once

#include <cstddef>
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
// The sources of the nested runs and the values typed inside them count.
constexpr std::size_t max_nested_characters = 100'000;

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

// Counts characters scanned inside a nested run against the budget of the
// outermost one; does nothing outside nested runs.
void count_nested_scan(std::size_t characters);
// Characters the runs nested in the current or the last outermost run have
// scanned.
std::size_t nested_characters_scanned();
// Whether that count is past the budget: nested work then stops.
bool nested_budget_spent();

// A value script (a field value holding "{") referenced again in one
// outermost run is taken from a memo of its finished text and type instead of
// being run and typed again. The memo keeps a value
// only when nothing it depends on can change before the next reference:
// every variable assignment makes earlier entries unreachable (a value script
// may read a variable set between two references), the caller's default is
// part of the key (a hidden field gives it), and a value whose run was cut
// short by the limits or wrote table markers (which follow the open table) is
// not kept at all.
struct memoised_value {
    std::wstring text;
    std::uint32_t type = 0;
    bool typed = false;
    int height = 0;  // levels of nested runs the computation went down
};
// The entry of `field` with `default_text`, or null. Never found outside a
// run, once the budget is spent, or where computing the value again would
// reach the depth limit that the first computation stayed above.
memoised_value* find_memoised_value(const void* field, const std::wstring& default_text);
// Watches one value's computation while it lives; `keep` stores the text
// when nothing made it depend on more than the key, and answers the stored
// entry or null.
class value_computation {
public:
    value_computation();
    ~value_computation();
    value_computation(const value_computation&) = delete;
    value_computation& operator=(const value_computation&) = delete;

    memoised_value* keep(const void* field, const std::wstring& default_text, std::wstring text);

private:
    std::uint64_t run_;
    int depth_;
    int outer_deepest_;
    std::uint64_t assignments_;
    std::uint64_t disturbances_;
};
// Called by every variable assignment.
void count_variable_assignment();
// Called by every table marker written.
void count_table_marker();

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
