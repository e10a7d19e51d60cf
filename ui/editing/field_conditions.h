// Display conditions of the parameter fields.
//
// A field with a condition is hidden exactly while its condition holds; a
// field without one keeps its hidden flag. Every edit re-evaluates the
// conditions of all fields, since a condition may read any field. UI thread
// only.
#pragma once

#include <cstdint>

#include "engine/document/document.h"
#include "engine/fields/render_context.h"

namespace ui {

// Stores the answer of every field's condition as its hidden flag. True when
// the flag of a field of `section` changed; changes elsewhere are stored too
// but do not count. The conditions read the document as rendered for `view`.
// Failures of the script reach the caller.
bool reevaluate_field_conditions(engine::document& doc, const engine::view_state& view,
                                 std::int32_t section);

}  // namespace ui
