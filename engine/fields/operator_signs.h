// The lexer reads «{a * -2}» and «{x = -5}» as one operator run ("*-", "=-")
// followed by a number. This moves such a trailing sign onto the number, so
// the operator is itself again and the number keeps its sign.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

void attach_operator_signs(std::vector<expr_token>& tokens);

// The operator text without blanks and without such a trailing sign.
std::wstring bare_operator(std::wstring text);

}  // namespace engine
