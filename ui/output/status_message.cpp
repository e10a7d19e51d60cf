// Short results of printing and saving, shown below the button that started
// them.
#include "app/main_window.h"
#include "platform/info_bar.h"

namespace app {

namespace {

constexpr int status_interval_ms = 3000;

}  // namespace

void MainWindow::ShowStatusMessage(platform::Panel& panel, std::wstring text, int severity) {
    if (!info_bar) {
        info_bar = platform::InfoBar::create();
        info_bar->set_margin({12, 18, 12, 0});
    }
    if (!status_timer) {
        status_timer = platform::Timer::create();
        status_timer->tick.add([this](platform::Timer&, const platform::NoArgs&) { info_bar->set_open(false); });
    }
    info_bar->set_message(std::move(text), severity);
    // One bar: taken from wherever it was and put at the end of this panel.
    if (auto holder = info_bar->parent()) {
        if (auto index = holder->children().index_of(*info_bar)) holder->children().remove_at(*index);
    }
    info_bar->set_open(true);
    panel.children().append(info_bar);
    // Each message gets its full 3 seconds.
    status_timer->start(status_interval_ms);
}

}  // namespace app
