// A number field as a template asks for it with modifier words: in words
// (Russian in six cases, agreeing in gender with a counted noun), as money in
// figures or in words, grouped, or as its integer or fraction part.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/fields/number_value.h"

namespace engine {

// The language is the one the number was read in (`value_language`). The
// first of these that the modifiers ask for wins: money in words, number in
// words, grouped digits, money in figures, integer part, fraction part. With
// no modifiers, or only a counted noun, the text as typed.
std::wstring render_number_field(const number_value& number, const std::vector<expr_token>& modifiers);

}  // namespace engine
