#include "platform/link_click_gate.h"

namespace platform {

namespace {

constexpr auto user_click_window = std::chrono::seconds(1);

}  // namespace

void LinkClickGate::mouse_released(Clock::time_point at) { input_ = Input{at, hovered_}; }

void LinkClickGate::enter_pressed(Clock::time_point at) { input_ = Input{at, std::nullopt}; }

bool LinkClickGate::take(const std::wstring& url, Clock::time_point at) {
    if (!input_ || at < input_->at || at - input_->at > user_click_window) return false;
    if (input_->pointed_at && (input_->pointed_at->empty() || *input_->pointed_at != url))
        return false;
    input_.reset();
    return true;
}

}  // namespace platform
