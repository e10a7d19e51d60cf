// Whether a reference names a date field, whatever the field holds.
//
// A computation that starts from a date field needs a date: when the field is
// empty or holds no date, the computation has nothing to count from.
#pragma once

#include <string>

#include "engine/fields/render_context.h"

namespace engine {

// True when `name` is a parameter field of the context's document whose type
// is the date.
bool names_date_field(render_context& context, const std::wstring& name);

}  // namespace engine
