#include "ui/editing/status_message.h"

namespace ui {

namespace {

constexpr int status_interval_ms = 3000;

}  // namespace

void StatusMessage::Prepare(std::wstring text, int severity) {
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
    // One bar: taken from wherever it was before it is placed again.
    if (auto holder = info_bar_->parent()) {
        if (auto index = holder->children().index_of(*info_bar_))
            holder->children().remove_at(*index);
    }
    info_bar_->set_open(true);
    // Each message gets its full 3 seconds.
    timer_->start(status_interval_ms);
}

void StatusMessage::ShowStatusMessage(platform::Panel& panel, std::wstring text, int severity) {
    Prepare(std::move(text), severity);
    panel.children().append(info_bar_);
}

void StatusMessage::ShowStatusMessageBelow(const platform::Element& element, std::wstring text,
                                           int severity) {
    auto panel = element.parent();
    if (!panel) return;
    Prepare(std::move(text), severity);
    // Looked up after the bar left: it may have stood above the element.
    if (auto index = panel->children().index_of(element))
        panel->children().insert_at(*index + 1, info_bar_);
}

}  // namespace ui
