// The panel of the text-editing mode: the template's own texts, one box per
// page text, block or paragraph, stored untrimmed and rendered at every
// keystroke. Each box carries the full indexes of its record, so any page,
// block or paragraph is reached, however many there are. UI thread only;
// the session outlives the panel.
#pragma once

#include <cstdint>

#include "core/session.h"
#include "platform/panel.h"
#include "platform/text_box.h"
#include "ui/render_wanted.h"

namespace ui {

class TextEditPanel final {
public:
    TextEditPanel(core::session& session, RenderWanted render);
    TextEditPanel(const TextEditPanel&) = delete;
    TextEditPanel& operator=(const TextEditPanel&) = delete;

    // Entry 0: the texts of the pages before the first standard page (every
    // page when there is none); entry k: block k - 1 of that page and its
    // paragraphs.
    void BuildTextEditPanels(platform::Panel& panel, std::int32_t index);

private:
    // One box for the text the tag locates: -1 as block stands for the page
    // itself, -1 as item for the block itself.
    void BuildTextEditPanel(platform::Panel& panel, const platform::TreeIndex& tag);
    void OnTextEditChanged(platform::TextBox& sender);

    core::session& session_;
    RenderWanted render_;
};

}  // namespace ui
