// The body of a standard page (page kind 1): its blocks and paragraph runs as
// HTML inside the page frame.
#pragma once

#include <string>

#include "engine/fields/render_context.h"

namespace engine {

// The HTML of the page at `page_index` of the pages root of the context's
// document.
std::wstring render_standard_page(render_context& context, int page_index);

}  // namespace engine
