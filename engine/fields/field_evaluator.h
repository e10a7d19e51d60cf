// Evaluates one output statement of a script to its HTML.
//
// Literals, operators, parentheses and marker HTML are copied; names are
// looked up among the document's parameters, then among the variables set
// earlier in the render. «{name = …}» stores the rest of the statement under
// the name and prints nothing. Built by the script executor for one
// statement, evaluated once. The document may be null: references are empty.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

class document;
struct document_data;

class field_evaluator {
public:
    field_evaluator(std::vector<expr_token> tokens, document* doc);

    std::wstring evaluate();

private:
    std::wstring raw_value(const expr_token& token) const;

    document* document_;
    document_data* data_;
    std::vector<expr_token> tokens_;
    std::size_t start_ = 0;
    bool assignment_ = false;
};

// The raw value of a name: the first parameter field (sections, then fields)
// whose name has the same word key, with blank runs made one blank and
// escaped, empty when the field is hidden; else a variable; else empty.
std::wstring raw_named_value(const document_data* data, const std::wstring& name);

// Stores `value` under the word key of `name` in the variable table.
void set_variable(document_data* data, const std::wstring& name, std::wstring value);

}  // namespace engine
