#include "engine/document/template_table.h"

namespace engine {

// Tables render nothing yet; the markers are recognised so that they do not
// show up as text.
std::wstring table_marker_html(const document*, std::uint32_t, std::wstring_view) { return {}; }

}  // namespace engine
