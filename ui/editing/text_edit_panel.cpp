#include "ui/editing/text_edit_panel.h"

namespace ui {

TextEditPanel::TextEditPanel(core::session& session, RenderWanted render)
    : session_(session), render_(std::move(render)) {}

void TextEditPanel::BuildTextEditPanels(platform::Panel&, std::int32_t) {}

}  // namespace ui
