// The panel of the settings mode: its pages Font, Paragraph, Page and
// General Settings, each a column of setting rows that change the open
// document's layout. It comes with that mode; until then its page stays
// empty. UI thread only.
#pragma once

#include <cstdint>

#include "core/session.h"
#include "platform/panel.h"
#include "ui/render_wanted.h"

namespace ui {

class SettingsPanel final {
public:
    SettingsPanel(core::session& session, RenderWanted render);
    SettingsPanel(const SettingsPanel&) = delete;
    SettingsPanel& operator=(const SettingsPanel&) = delete;

    void BuildSettingsPanel(platform::Panel& panel, std::int32_t page);

private:
    [[maybe_unused]] core::session& session_;
    [[maybe_unused]] RenderWanted render_;
};

}  // namespace ui
