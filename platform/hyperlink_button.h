// A link: a flat text button in the link colour. What a click opens is the
// caller's (through `System::launch_uri`). UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

class HyperlinkButton final : public Element {
public:
    static std::shared_ptr<HyperlinkButton> create(std::wstring content = {});

    const std::wstring& content() const { return content_; }
    void set_content(std::wstring content);
    void set_foreground(const SolidColorBrush& brush);
    // Clicks the link as a user would (tests).
    void click();

    Event<HyperlinkButton> clicked;

private:
    HyperlinkButton();
    std::wstring content_;
};

}  // namespace platform
