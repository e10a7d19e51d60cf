// Reduces one condition to true or false.
//
// Operands are names, quoted texts and numbers; they are compared with "=",
// "==", "!=", "не", "<", "<=", "<<", ">", ">=", ">>", "^=" and "^==" (begins
// with one of the words, begins_with_word.h) or tested for being blank, joined by
// AND/OR, negated by НЕ/NOT/"!" and grouped by parentheses.
// AND and OR have equal precedence and group to the right, and a negation
// covers the rest of its chain: templates rely on both. Built by the script
// for one condition (a chain's ЕСЛИ part, or a field's display condition
// through `script::test`) and evaluated once, in the script's render
// context.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/fields/render_context.h"

namespace engine {

struct field_value;

class condition_evaluator {
public:
    // Not const: resolving a value may run it as a script, which can store
    // variables.
    condition_evaluator(std::vector<expr_token> tokens, render_context& context);

    bool evaluate();

private:
    bool operand(bool carried);
    bool after_connective(bool carried);
    bool negation(bool carried);
    bool group(bool carried);
    bool chain(bool value);
    std::optional<bool> read_next(bool carried, bool negation_allowed);
    // Past the depth limit: drops the rest of the condition.
    bool gives_up();
    bool not_blank(const expr_token& token);
    bool compare(const expr_token& left, expr_token& op, const expr_token& right);

    bool is_kind(std::size_t index, std::uint32_t kind) const;
    bool is_operand(std::size_t index) const;
    field_value value_of(const expr_token& token) const;

    render_context& context_;
    std::vector<expr_token> tokens_;
    std::size_t position_ = 0;
    int depth_ = 0;
};

}  // namespace engine
