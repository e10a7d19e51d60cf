// The left menu: its entries for the current mode, one remembered selection
// per mode, and the data panel rebuilt for each selection.
#include "app/main_window.h"
#include "ui/editing/menu_entries.h"

namespace app {

namespace {

constexpr platform::Color white{255, 255, 255, 255};
constexpr platform::Color white_smoke{255, 0xF5, 0xF5, 0xF5};
constexpr double page_label_indent = 8;

// Between the two stops of the window's panel and row gradients.
constexpr platform::Color panel_colour{255, 0xD4, 0xD4, 0xD4};
constexpr platform::Color row_colour{255, 0x56, 0x6A, 0xB6};

}  // namespace

void MainWindow::BuildSidePanes() {
    panel_brush.color = panel_colour;
    button_brush.color = row_colour;

    menu_list = platform::ListBox::create();
    // The entries are drawn light on the accent colour.
    menu_list->set_background({platform::Color{255, 0x5D, 0x6B, 0x99}});
    menu_pane->set_cell(*menu_list, 0, 0);
    menu_pane->children().append(menu_list);
    menu_list->selection_changed.add(
        [this](platform::ListBox&, const int& index) { OnMenuListSelectionChanged(index); });
}

void MainWindow::PopulateMenuList(platform::ListBox& list) {
    if (!session_.data()) return;
    std::vector<platform::ListEntry> entries;
    for (ui::menu_entry& entry : ui::menu_entries(session_.mode(), session_.data())) {
        entries.push_back({std::move(entry.text), entry.page_label ? white_smoke : white,
                           entry.page_label ? page_label_indent : 0.0});
    }
    list.set_entries(std::move(entries));
}

void MainWindow::RefreshMenuPanel() {
    // Only "no selection" falls back to the first entry; an index past the
    // end is kept, and the list then shows no selection.
    session_.select_first_where_none();
    const std::int32_t index = session_.selected_index();
    PopulateMenuList(*menu_list);
    menu_list->set_selected_index(index);
}

void MainWindow::OnMenuListSelectionChanged(int index) {
    // A cleared selection (the entries were replaced) keeps the stored one.
    if (index != -1) session_.select(index);
    switch (session_.mode()) {
        case core::ViewMode::data:
            data_scroller->scroll_to_vertical_offset(0);
            BuildDataPanel(*data_panel, session_.section());
            // The library page marks the selected section.
            if (session_.library_shown()) {
                UpdateBreadcrumb();
                RenderDocumentAsync(true);
            }
            break;
        case core::ViewMode::settings:
            BuildDataPanel(*data_panel, session_.settings_page());
            break;
        case core::ViewMode::text_edit:
            data_scroller->scroll_to_vertical_offset(0);
            BuildDataPanel(*data_panel, session_.text_edit_group());
            break;
        case core::ViewMode::save_print:
            UpdateToolbarState();
            data_scroller->scroll_to_vertical_offset(0);
            BuildDataPanel(*data_panel, std::int32_t(session_.save_print_page()));
            break;
    }
}

}  // namespace app
