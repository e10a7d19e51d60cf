// The left menu: its entries for the current mode, one remembered selection
// per mode, and the data panel rebuilt for each selection.
#include "app/main_window.h"
#include "engine/document/process_state.h"
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

std::int32_t MainWindow::SelectedMenuIndex() const {
    switch (mode) {
        case 0:
            return engine::current_section;
        case 1:
            return settings_page;
        case 2:
            return text_edit_group;
        case 3:
            return save_print_page;
        default:
            return 0;
    }
}

void MainWindow::PopulateMenuList(platform::ListBox& list) {
    if (!doc_data) return;
    std::vector<platform::ListEntry> entries;
    for (ui::menu_entry& entry : ui::menu_entries(mode, doc_data)) {
        entries.push_back({std::move(entry.text), entry.page_label ? white_smoke : white,
                           entry.page_label ? page_label_indent : 0.0});
    }
    list.set_entries(std::move(entries));
}

void MainWindow::RefreshMenuPanel() {
    // Only "no selection" falls back to the first entry; an index past the
    // end is kept, and the list then shows no selection.
    if (engine::current_section == -1) engine::current_section = 0;
    if (text_edit_group == -1) text_edit_group = 0;
    if (settings_page == -1) settings_page = 0;
    const std::int32_t index = SelectedMenuIndex();
    PopulateMenuList(*menu_list);
    menu_list->set_selected_index(index);
}

void MainWindow::OnMenuListSelectionChanged(int index) {
    // A cleared selection (the entries were replaced) keeps the stored one.
    if (index != -1) {
        switch (mode) {
            case 0:
                engine::current_section = index;
                break;
            case 1:
                settings_page = index;
                break;
            case 2:
                text_edit_group = index;
                break;
            case 3:
                save_print_page = index;
                break;
            default:
                break;
        }
    }
    switch (mode) {
        case 0:
            data_scroller->scroll_to_vertical_offset(0);
            BuildDataPanel(*data_panel, engine::current_section);
            // The library page marks the selected section.
            if (engine::library_shown) {
                UpdateBreadcrumb();
                RenderDocumentAsync(true);
            }
            break;
        case 1:
            BuildDataPanel(*data_panel, settings_page);
            break;
        case 2:
            data_scroller->scroll_to_vertical_offset(0);
            BuildDataPanel(*data_panel, text_edit_group);
            break;
        case 3:
            UpdateToolbarState();
            data_scroller->scroll_to_vertical_offset(0);
            BuildDataPanel(*data_panel, save_print_page);
            break;
        default:
            break;
    }
}

}  // namespace app
