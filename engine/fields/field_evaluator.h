// Evaluates one output statement of a script to its HTML.
//
// Walks the statement once: literals and operators are copied, format words
// wait for the next value, and each value is resolved and rendered by its
// type (date, number, text) with those words, then given the letter case of
// its reference. A statement with an arithmetic operator (+ - * / \ ^) is
// computed instead: by the calculator, or as date arithmetic when its first
// value is a date. «{name = …}» stores the result as a variable and prints
// nothing. Built by the script executor for one statement, evaluated once,
// in the script's render context.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/fields/render_context.h"

namespace engine {

class markup_position;
class stop_after_value;

class field_evaluator {
public:
    field_evaluator(std::vector<expr_token> tokens, render_context& context);

    std::wstring evaluate();
    // As above, for output written at `position`, which follows it: a value
    // inside a tag is escaped so that it cannot leave its attribute. `stop`
    // follows it too: the template's stop right after a value's is dropped.
    std::wstring evaluate(markup_position& position, stop_after_value& stop);

private:
    bool is_arithmetic() const;
    std::wstring render_value(expr_token& token, const std::vector<expr_token>& format_words);
    std::wstring calculable_value(expr_token& token);
    std::wstring compute(std::wstring expression) const;
    std::wstring run_nested_block(const std::wstring& source);
    const doc_node* parameters_root() const;

    render_context& context_;
    std::vector<expr_token> tokens_;
    std::size_t start_ = 0;
    bool assignment_ = false;
    bool first_value_ = true;
    bool date_first_ = false;
    // The first value names a date field that holds no date.
    bool date_missing_ = false;
    // A value of the computation is a text that is no number.
    bool no_number_ = false;
};

}  // namespace engine
