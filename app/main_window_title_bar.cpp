// The header row under the system frame: logos, menu button and title, a
// drag area, the tool bar, another drag area and a narrow end, over the
// title-bar gradient.
#include "app/main_window.h"
#include "app/title_bar_layout.h"
#include "app/window_look.h"
#include "platform/decoration.h"
#include "ui/editing/panel_look.h"

namespace app {

namespace {

using platform::GridLength;

std::vector<GridLength> title_bar_columns(double left_inset, double right_inset) {
    return {GridLength::pixels(left_inset), GridLength::automatic(), GridLength::star(),
            GridLength::automatic(),        GridLength::star(),      GridLength::pixels(12),
            GridLength::pixels(right_inset)};
}

std::shared_ptr<platform::AppBarButton> tool_bar_button() {
    auto button = platform::AppBarButton::create();
    button->set_margin({2, 0, 2, 0});
    return button;
}

}  // namespace

void MainWindow::BuildTitleBar() {
    MainWindowElements& e = elements_;
    e.title_bar_grid = platform::Grid::create();
    e.title_bar_grid->set_columns(title_bar_columns(0, 0));
    e.title_bar_grid->set_background(ui::look::title_bar_brush());

    auto brand = platform::Panel::create(platform::Orientation::horizontal);
    brand->set_vertical_alignment(platform::VerticalAlignment::center);
    e.logo_tall = platform::Image::create();
    e.logo_short = platform::Image::create();
    for (const auto& logo : {e.logo_tall, e.logo_short}) {
        logo->set_margin({8, 0, 6, 0});
        logo->set_vertical_alignment(platform::VerticalAlignment::center);
        brand->children().append(logo);
    }

    e.menu_button = platform::Panel::create(platform::Orientation::horizontal);
    auto menu_glyph = platform::TextBlock::create(L"\u2630");
    menu_glyph->set_font({L"", 18, false});
    menu_glyph->set_foreground({look::accent});
    menu_glyph->set_margin({8, 2, 8, 2});
    e.menu_button->children().append(menu_glyph);
    e.menu_button->set_background({look::menu_button_away});
    e.menu_button->set_vertical_alignment(platform::VerticalAlignment::center);
    brand->children().append(e.menu_button);

    e.title_text = platform::TextBlock::create();
    e.title_text->set_elides(true);
    e.title_text->set_font({L"", 14, true});
    e.title_text->set_foreground({look::white});
    e.title_text->set_margin({10, 0, 16, 0});
    e.title_text->set_vertical_alignment(platform::VerticalAlignment::center);
    brand->children().append(e.title_text);
    e.title_bar_grid->set_cell(*brand, 0, 1);
    e.title_bar_grid->children().append(brand);

    e.toolbar_panel = platform::Panel::create(platform::Orientation::horizontal);
    e.toolbar_panel->set_vertical_alignment(platform::VerticalAlignment::center);
    e.toolbar_panel->set_margin({4, 1, 4, 1});
    platform::set_border(*e.toolbar_panel, {look::tool_bar_backing, look::transparent, 0, 6});
    e.library_button = tool_bar_button();
    e.settings_button = tool_bar_button();
    e.text_edit_button = tool_bar_button();
    e.print_button = tool_bar_button();
    e.save_button = tool_bar_button();
    e.text_edit_button->set_label(L"Text");
    for (const auto& button :
         {e.library_button, e.settings_button, e.text_edit_button, e.print_button, e.save_button}) {
        e.toolbar_panel->children().append(button);
    }
    e.title_bar_grid->set_cell(*e.toolbar_panel, 0, 3);
    e.title_bar_grid->children().append(e.toolbar_panel);

    // The two drag areas hold nothing; they change size whenever anything
    // in the row does, and are then measured again.
    for (int column : {2, 4}) {
        auto area = platform::Panel::create();
        area->events().size_changed.add(
            [this](platform::Element&, const platform::Size&) { UpdateTitleBarLayout(); });
        e.title_bar_grid->set_cell(*area, 0, column);
        e.title_bar_grid->children().append(area);
    }
    e.title_bar_grid->events().size_changed.add(
        [this](platform::Element&, const platform::Size&) { UpdateTitleBarLayout(); });
}

double MainWindow::GetMonitorScale() const { return monitor_scale(elements_.window->screen_dpi()); }

void MainWindow::UpdateTitleBarLayout() {
    platform::Window& window = *elements_.window;
    platform::Grid& grid = *elements_.title_bar_grid;
    std::array<double, 7> widths{};
    for (int column = 0; column < 7; ++column)
        widths[std::size_t(column)] = grid.actual_column_width(column);
    const title_bar_layout layout =
        lay_out_title_bar(GetMonitorScale(), window.left_inset(), window.right_inset(), widths,
                          grid.actual_size().height);
    // Setting the columns lays the row out again: only when they change.
    const std::pair<double, double> insets{layout.left_column, layout.right_column};
    if (insets != inset_columns_) {
        inset_columns_ = insets;
        grid.set_columns(title_bar_columns(insets.first, insets.second));
    }
    window.set_drag_rectangles({layout.drag.begin(), layout.drag.end()});
}

}  // namespace app
