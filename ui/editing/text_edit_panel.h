// The panel of the text-editing mode: the template's own texts, one box per
// page text, block or paragraph, stored as they are typed. It comes with
// that mode; until then its page stays empty. UI thread only.
#pragma once

#include <cstdint>

#include "core/session.h"
#include "platform/panel.h"
#include "ui/render_wanted.h"

namespace ui {

class TextEditPanel final {
public:
    TextEditPanel(core::session& session, RenderWanted render);
    TextEditPanel(const TextEditPanel&) = delete;
    TextEditPanel& operator=(const TextEditPanel&) = delete;

    // Entry 0: the pages before the first standard page; entry k: block
    // k - 1 of that page.
    void BuildTextEditPanels(platform::Panel& panel, std::int32_t index);

private:
    [[maybe_unused]] core::session& session_;
    [[maybe_unused]] RenderWanted render_;
};

}  // namespace ui
