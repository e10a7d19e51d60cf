// The body of a legacy page (any page kind other than 1).
#pragma once

#include <string>

#include "engine/fields/render_context.h"

namespace engine {

// The HTML of the page at `page_index` of the pages root of the context's
// document.
std::wstring render_legacy_page(render_context& context, int page_index);

}  // namespace engine
