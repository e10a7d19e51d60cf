// The left menu: its entries for the current mode, one remembered selection
// per mode, and the data panel rebuilt for each selection.
#include "ui/editing/left_menu.h"

#include "ui/editing/menu_entries.h"

namespace ui {

namespace {

constexpr platform::Color white{255, 255, 255, 255};
constexpr platform::Color white_smoke{255, 0xF5, 0xF5, 0xF5};
constexpr double page_label_indent = 8;
// The entries are drawn light on the accent colour.
constexpr platform::Color accent_colour{255, 0x5D, 0x6B, 0x99};

}  // namespace

LeftMenu::LeftMenu(core::session& session, RenderWanted render, DataPanel& data_panel, Hooks hooks)
    : session_(session),
      render_(std::move(render)),
      data_panel_(data_panel),
      hooks_(std::move(hooks)),
      list_(platform::ListBox::create()) {
    list_->set_background({accent_colour});
    list_->selection_changed.add(
        [this](platform::ListBox&, const int& index) { OnMenuListSelectionChanged(index); });
}

void LeftMenu::PopulateMenuList(platform::ListBox& list) {
    if (!session_.data()) return;
    std::vector<platform::ListEntry> entries;
    for (menu_entry& entry : menu_entries(session_.mode(), session_.data())) {
        entries.push_back({std::move(entry.text), entry.page_label ? white_smoke : white,
                           entry.page_label ? page_label_indent : 0.0});
    }
    list.set_entries(std::move(entries));
}

void LeftMenu::RefreshMenuPanel() {
    // Only "no selection" falls back to the first entry; an index past the
    // end is kept, and the list then shows no selection.
    session_.select_first_where_none();
    const std::int32_t index = session_.selected_index();
    PopulateMenuList(*list_);
    list_->set_selected_index(index);
}

void LeftMenu::OnMenuListSelectionChanged(int index) {
    // A cleared selection (the entries were replaced) keeps the stored one.
    if (index != -1) session_.select(index);
    platform::Panel& panel = data_panel_.panel();
    switch (session_.mode()) {
        case core::ViewMode::data:
            data_panel_.scroller()->scroll_to_vertical_offset(0);
            data_panel_.BuildDataPanel(panel, session_.section());
            // The library page marks the selected section.
            if (session_.library_shown()) {
                if (hooks_.update_breadcrumb) hooks_.update_breadcrumb();
                render_(true);
            }
            break;
        case core::ViewMode::settings:
            data_panel_.BuildDataPanel(panel, session_.settings_page());
            break;
        case core::ViewMode::text_edit:
            data_panel_.scroller()->scroll_to_vertical_offset(0);
            data_panel_.BuildDataPanel(panel, session_.text_edit_group());
            break;
        case core::ViewMode::save_print:
            if (hooks_.update_toolbar) hooks_.update_toolbar();
            data_panel_.scroller()->scroll_to_vertical_offset(0);
            data_panel_.BuildDataPanel(panel, std::int32_t(session_.save_print_page()));
            break;
    }
}

}  // namespace ui
