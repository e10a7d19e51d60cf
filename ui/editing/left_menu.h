// The left menu: a list of the entries of the current mode (the document's
// sections, the settings pages, the text-editing groups, Print and Save).
// Choosing an entry stores it as that mode's choice in the session and
// builds the data panel for it; each mode keeps its own choice. UI thread
// only; the session and the data panel outlive the menu.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/session.h"
#include "platform/list_box.h"
#include "ui/editing/data_panel.h"
#include "ui/render_wanted.h"

namespace ui {

class LeftMenu final {
public:
    // What the window refreshes when a choice changes what it shows.
    struct Hooks {
        std::function<void()> update_toolbar;
        std::function<void()> update_breadcrumb;
    };

    LeftMenu(core::session& session, RenderWanted render, DataPanel& data_panel, Hooks hooks);
    LeftMenu(const LeftMenu&) = delete;
    LeftMenu& operator=(const LeftMenu&) = delete;

    // The list the window places.
    const std::shared_ptr<platform::ListBox>& list() const { return list_; }

    // Fills `list` with the entries of the current mode; nothing without a
    // document.
    void PopulateMenuList(platform::ListBox& list);
    // The list filled again and the current mode's choice selected; a choice
    // of none becomes the first entry.
    void RefreshMenuPanel();
    void OnMenuListSelectionChanged(int index);

private:
    core::session& session_;
    RenderWanted render_;
    DataPanel& data_panel_;
    Hooks hooks_;
    std::shared_ptr<platform::ListBox> list_;
};

}  // namespace ui
