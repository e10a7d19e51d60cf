// The width sliders at the foot of the two side panes. Each sits in a strip
// that lights up under the pointer.
#include "app/main_window.h"
#include "app/pane_widths.h"
#include "app/window_look.h"
#include "ui/editing/panel_look.h"

namespace app {

namespace {

std::shared_ptr<platform::Slider> strip_slider(platform::Grid& pane, int row,
                                               const pane_range& range, const platform::Brush& away,
                                               platform::Color over) {
    auto strip = platform::Grid::create();
    strip->set_background(away);
    auto slider = platform::Slider::create(range.minimum, range.maximum);
    slider->set_ticks_shown(false);
    slider->set_margin({8, 2, 8, 2});
    strip->children().append(slider);
    pane.set_cell(*strip, row, 0);
    pane.children().append(strip);
    // A new brush at every event: the strip shows the last one.
    platform::ElementEvents& events = slider->events();
    events.pointer_moved.add([over, weak = std::weak_ptr<platform::Grid>(strip)](
                                 platform::Element&, const platform::Point&) {
        if (auto grid = weak.lock()) grid->set_background(over);
    });
    events.pointer_exited.add([away, weak = std::weak_ptr<platform::Grid>(strip)](
                                  platform::Element&, const platform::Point&) {
        if (auto grid = weak.lock()) grid->set_background(away);
    });
    return slider;
}

}  // namespace

void MainWindow::BuildPaneSliders() {
    MainWindowElements& e = elements_;
    e.menu_pane_slider = strip_slider(*e.menu_pane, 2, menu_pane_range, look::menu_strip_away,
                                      look::menu_strip_over);
    e.data_pane_slider = strip_slider(*e.data_pane, 1, data_pane_range, ui::look::panel_brush(),
                                      look::data_strip_over);
    e.data_pane_slider->set_font({L"", 1, false});
    e.data_pane_slider->set_background(ui::look::panel_brush());
    e.menu_pane_slider->value_changed.add(
        [this](platform::Slider&, const double& width) { OnMenuPanelWidthChanged(width); });
    e.data_pane_slider->value_changed.add(
        [this](platform::Slider&, const double& width) { OnDataPanelWidthChanged(width); });
}

void MainWindow::ApplyPaneWidths() {
    core::settings& config = session_.config();
    // Pane, slider and setting all take the width applied, so the next
    // write stores it even when the slider raised no change.
    const double menu_width = applied_pane_width(config.MenuPanelWidth, menu_pane_range);
    const double data_width = applied_pane_width(config.DataPanelWidth, data_pane_range);
    elements_.menu_pane_slider->set_value(menu_width);
    elements_.data_pane_slider->set_value(data_width);
    OnMenuPanelWidthChanged(menu_width);
    OnDataPanelWidthChanged(data_width);
}

// The row lays the panes out at these widths where the window has room,
// narrower where it has not; the settings keep what the user chose.
void MainWindow::OnMenuPanelWidthChanged(double width) {
    session_.config().MenuPanelWidth = width;
    elements_.pane_row->set_open_width(platform::PaneRow::Place::start_pane, width);
}

void MainWindow::OnDataPanelWidthChanged(double width) {
    session_.config().DataPanelWidth = width;
    elements_.pane_row->set_open_width(platform::PaneRow::Place::end_pane, width);
}

}  // namespace app
