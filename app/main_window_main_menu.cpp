// The main menu behind the menu button, and the two bars it shows and hides.
#include "app/main_window.h"
#include "app/window_look.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/menu_flyout.h"

namespace app {

namespace {

constexpr double menu_font_size = 12;

platform::Visibility shown_if(bool shown) {
    return shown ? platform::Visibility::visible : platform::Visibility::collapsed;
}

}  // namespace

void MainWindow::OnMenuButtonTapped() {
    auto flyout = platform::MenuFlyout::create();
    const std::wstring art = icons_folder();
    for (const main_menu_entry& entry : main_menu_entries(toolbar_shown_, statusbar_shown_)) {
        if (entry.separator) {
            flyout->items().push_back(platform::MenuFlyoutSeparator::create());
            continue;
        }
        auto item = platform::MenuFlyoutItem::create(entry.text);
        item->accelerator_text = entry.accelerator_text;
        if (!entry.icon.empty() && !art.empty()) item->icon = art + entry.icon;
        item->icon_foreground = {look::accent};
        item->font_size = menu_font_size;
        if (entry.command == main_menu_command::print) item->data_context = std::int32_t(0);
        if (entry.command == main_menu_command::save) item->data_context = std::int32_t(1);
        item->clicked.add([this, alive = std::weak_ptr<int>(alive_), command = entry.command](
                              platform::MenuFlyoutItem& sender, const platform::NoArgs&) {
            if (alive.expired()) return;
            switch (command) {
                case main_menu_command::library: ToggleLibrary(); break;
                case main_menu_command::settings: ToggleSettings(); break;
                case main_menu_command::print:
                case main_menu_command::save:
                    OnPrintSaveMenuClick(
                        core::SavePrintPage(platform::unbox_i32(sender.data_context)));
                    break;
                case main_menu_command::tool_bar:
                case main_menu_command::status_bar: OnBarsMenuClick(command); break;
                case main_menu_command::about: ShowAboutAsync(); break;
            }
        });
        flyout->items().push_back(item);
    }
    // The pointer left the button for the menu, and may close it elsewhere:
    // the button shows no hover once the menu is gone.
    flyout->closed.add(
        [this, alive = std::weak_ptr<int>(alive_)](platform::MenuFlyout&, const platform::NoArgs&) {
            if (!alive.expired()) elements_.menu_button->set_background({look::menu_button_away});
        });
    // Below the button, reaching out to its left.
    platform::Element& button = *elements_.menu_button;
    const platform::Size size = button.actual_size();
    flyout->show_at(button, {-size.width * 1.2, size.height + 1.0});
}

void MainWindow::OnBarsMenuClick(main_menu_command bar) {
    // The new state is settled before anything on the screen changes.
    core::settings& config = session_.config();
    if (bar == main_menu_command::tool_bar) {
        toolbar_shown_ = !toolbar_shown_;
        config.ToolBarShow = toolbar_shown_ ? 1.0 : 0.0;
    } else if (bar == main_menu_command::status_bar) {
        statusbar_shown_ = !statusbar_shown_;
        config.StatusBarShow = statusbar_shown_ ? 1.0 : 0.0;
    } else {
        return;
    }
    ShowBars();
}

void MainWindow::ShowBars() {
    MainWindowElements& e = elements_;
    e.toolbar_panel->set_visibility(shown_if(toolbar_shown_));
    e.title_bar_grid->set_height(toolbar_shown_ ? look::title_bar_with_tool_bar
                                                : look::title_bar_without_tool_bar);
    e.logo_tall->set_visibility(shown_if(toolbar_shown_));
    e.logo_short->set_visibility(shown_if(!toolbar_shown_));
    // Without the tool bar the title names the document.
    const std::wstring title = core::ui_string(engine::ui_text::program_name);
    SetTitle(toolbar_shown_ ? title : title + GetDocumentName());
    if (e.status_bar_grid) e.status_bar_grid->set_visibility(shown_if(statusbar_shown_));
}

}  // namespace app
