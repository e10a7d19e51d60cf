// A one-line message with a severity: 0 information, 1 success, 2 warning,
// 3 error. It shows only while open. UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"

namespace platform {

class InfoBar final : public Element {
public:
    static std::shared_ptr<InfoBar> create();

    const std::wstring& title() const { return title_; }
    int severity() const { return severity_; }
    void set_message(std::wstring title, int severity);

    bool is_open() const { return open_; }
    void set_open(bool open);

private:
    InfoBar();

    std::wstring title_;
    int severity_ = 0;
    bool open_ = false;
};

}  // namespace platform
