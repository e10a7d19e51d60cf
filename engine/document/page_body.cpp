#include "engine/document/page_body.h"

#include "engine/document/document.h"

namespace engine {

std::wstring render_standard_page(document&, int) { return {}; }

}  // namespace engine
