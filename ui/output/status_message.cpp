#include "ui/output/status_message.h"

namespace ui {

namespace {

constexpr int status_interval_ms = 3000;

}  // namespace

void StatusMessage::ShowStatusMessage(platform::Panel& panel, std::wstring text, int severity) {
    if (!info_bar_) {
        info_bar_ = platform::InfoBar::create();
        info_bar_->set_margin({12, 18, 12, 0});
    }
    if (!timer_) {
        timer_ = platform::Timer::create();
        timer_->tick.add(
            [this](platform::Timer&, const platform::NoArgs&) { info_bar_->set_open(false); });
    }
    info_bar_->set_message(std::move(text), severity);
    // One bar: taken from wherever it was and put at the end of this panel.
    if (auto holder = info_bar_->parent()) {
        if (auto index = holder->children().index_of(*info_bar_))
            holder->children().remove_at(*index);
    }
    info_bar_->set_open(true);
    panel.children().append(info_bar_);
    // Each message gets its full 3 seconds.
    timer_->start(status_interval_ms);
}

}  // namespace ui
