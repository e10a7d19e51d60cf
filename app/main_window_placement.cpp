// The window's placement: applied from the settings when it first shows,
// kept in them at every change and written a moment after the last one, so
// dragging the window writes the file once.
#include "app/main_window.h"
#include "app/window_placement.h"

namespace app {

namespace {

constexpr int placement_write_delay_ms = 250;

}  // namespace

void MainWindow::activate() {
    const placement_plan plan = ApplyPlacement();
    activated_ = true;
    elements_.window->activate();
    // The first-start size and a size held to the screen fit it, but the
    // window manager's frame comes on top of them; a maximised window gets
    // that frame when it is first restored.
    const bool frame_to_fit = !plan.position || plan.held_to_screen;
    fit_frame_at_restore_ = frame_to_fit && plan.maximized;
    if (frame_to_fit && !plan.maximized) elements_.window->fit_frame_into_screen();
}

bool MainWindow::BringToFront() {
    if (!activated_ || elements_.window->is_closed()) return false;
    elements_.window->activate();
    return true;
}

placement_plan MainWindow::ApplyPlacement() {
    platform::Window& window = *elements_.window;
    const placement_plan plan = plan_placement(session_.config(), window.screen_areas(),
                                               window.can_be_placed(), GetMonitorScale());
    // The restored geometry first: a maximised window comes back to it.
    if (plan.size) window.resize(plan.size->width, plan.size->height);
    if (plan.position) window.move(plan.position->x, plan.position->y);
    if (plan.maximized) {
        window.maximize();
    } else {
        window.restore();
    }
    return plan;
}

void MainWindow::OnWindowChanged(const platform::WindowChange& change) {
    if (!activated_) return;
    platform::Window& window = *elements_.window;
    if (change.state_changed) {
        // Full screen has no header row; leaving it lays the row out again.
        const bool full_screen = window.state() == platform::WindowState::full_screen;
        elements_.title_bar_grid->set_visibility(full_screen ? platform::Visibility::collapsed
                                                             : platform::Visibility::visible);
        if (fit_frame_at_restore_ && window.state() == platform::WindowState::restored) {
            fit_frame_at_restore_ = false;
            window.fit_frame_into_screen();
        }
    }
    if (store_placement(session_.config(), window.state(), window.geometry(),
                        window.can_be_placed())) {
        placement_write_timer_->start(placement_write_delay_ms);
    }
}

void MainWindow::StorePlacementAtClose() {
    placement_write_timer_->stop();
    // A window never shown has no placement of its own to keep.
    if (!activated_) return;
    const platform::Window& window = *elements_.window;
    store_placement(session_.config(), window.state(), window.geometry(), window.can_be_placed());
}

}  // namespace app
