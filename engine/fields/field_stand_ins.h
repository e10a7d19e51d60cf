// STAND-IN for a renderer that is built elsewhere and not in place yet.
//
// The field evaluator calls it by its final name and signature; it gives the
// value unchanged. Delete it when the name renderer (persons, organisations
// and phrases, with declension) lands, and include the real header in
// field_evaluator.cpp instead.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

struct field_value;

// Writes `value` as the modifiers ask into `output`.
void render_name_field(const std::wstring& value, const field_value& field, std::wstring& output,
                       const std::vector<expr_token>& modifiers);

}  // namespace engine
