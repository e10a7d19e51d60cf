// The body of a legacy page (any page kind other than 1).
#pragma once

#include <string>

namespace engine {

class document;

// The HTML of the page at `page_index` of the pages root.
std::wstring render_legacy_page(document& doc, int page_index);

}  // namespace engine
