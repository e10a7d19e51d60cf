// Short results of printing and saving, and refused input, shown below the
// button or field they are about: one information bar, placed at the end of
// the panel each message names or right below the element it names, closed
// by one timer 3 seconds after the last message. Both are made with the
// first message. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/info_bar.h"
#include "platform/panel.h"
#include "platform/timer.h"

namespace ui {

class StatusMessage final {
public:
    StatusMessage() = default;
    StatusMessage(const StatusMessage&) = delete;
    StatusMessage& operator=(const StatusMessage&) = delete;

    // severity: 0 information, 1 success, 2 warning, 3 error.
    void ShowStatusMessage(platform::Panel& panel, std::wstring text, int severity);
    // Right below `element` in its panel; nothing while it is in none.
    void ShowStatusMessageBelow(const platform::Element& element, std::wstring text, int severity);

    // Null until the first message.
    const std::shared_ptr<platform::InfoBar>& info_bar() const { return info_bar_; }
    platform::Timer* timer() const { return timer_.get(); }

private:
    // The bar, taken from wherever it was, with its message and its timer.
    void Prepare(std::wstring text, int severity);

    std::shared_ptr<platform::InfoBar> info_bar_;
    std::unique_ptr<platform::Timer> timer_;
};

}  // namespace ui
