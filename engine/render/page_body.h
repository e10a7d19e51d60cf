// The body of a standard page (page kind 1): its blocks and paragraph runs as
// HTML inside the page frame.
#pragma once

#include <string>

namespace engine {

class document;

// The HTML of the page at `page_index` of the pages root.
std::wstring render_standard_page(document& doc, int page_index);

}  // namespace engine
