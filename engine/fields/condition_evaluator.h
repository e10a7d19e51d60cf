// Reduces one condition statement to true or false.
//
// Built by the script for one condition (a chain's ЕСЛИ/IF part, or a field's
// display condition through `script::test`), evaluated once. The data may be
// null: references are then blank.
#pragma once

#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

struct document_data;

class condition_evaluator {
public:
    condition_evaluator(std::vector<expr_token> tokens, const document_data* data);

    // For now the first value decides: a number other than 0, or a name or
    // quoted text whose value is not blank.
    bool evaluate() const;

private:
    const document_data* data_;
    std::vector<expr_token> tokens_;
};

}  // namespace engine
