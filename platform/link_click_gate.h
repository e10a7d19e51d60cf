// Whether a link click a page reports was made by the user: the page's own
// script can click a link too, and the web engine reports that click the
// same way. A click counts when it follows a real mouse release or Enter key
// within a second, and, for a mouse release, goes where the pointer was
// over; each input lets one click through. UI thread only.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace platform {

class LinkClickGate {
public:
    using Clock = std::chrono::steady_clock;

    // The address the view last reported under the pointer; empty when none.
    void hovered(std::wstring url) { hovered_ = std::move(url); }
    void mouse_released(Clock::time_point at);
    void enter_pressed(Clock::time_point at);

    // True when a click on `url` at `at` is the user's; the input is then
    // used up.
    bool take(const std::wstring& url, Clock::time_point at);

private:
    struct Input {
        Clock::time_point at;
        std::optional<std::wstring> pointed_at;  // for a mouse release
    };

    std::wstring hovered_;
    std::optional<Input> input_;
};

}  // namespace platform
