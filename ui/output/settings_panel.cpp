#include "ui/output/settings_panel.h"

namespace ui {

SettingsPanel::SettingsPanel(core::session& session, RenderWanted render)
    : session_(session), render_(std::move(render)) {}

void SettingsPanel::BuildSettingsPanel(platform::Panel&, std::int32_t) {}

}  // namespace ui
