#include "engine/document/legacy_page.h"

#include "engine/document/document.h"

namespace engine {

std::wstring render_legacy_page(document&, int) { return {}; }

}  // namespace engine
