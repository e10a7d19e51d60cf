// A push button showing a one-colour icon, a text in the element's font, or
// both, the text beside the icon. Its colours stay as set while the pointer
// is over it, while it is pressed and while it has the focus.
// UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

class Button final : public Element {
public:
    static std::shared_ptr<Button> create();

    // An image whose shape is drawn in the foreground colour; a missing file
    // shows no icon.
    void set_icon(const std::wstring& path, double size);
    const std::wstring& icon() const { return icon_path_; }
    void set_text(std::wstring text);
    const std::wstring& text() const { return text_; }
    void set_colors(Color background, Color foreground);
    Color background() const { return background_; }
    Color foreground() const { return foreground_; }
    // Clicks the button as a user would (tests, accelerators).
    void click();

    Event<Button> clicked;

private:
    Button();
    void paint();

    std::wstring icon_path_;
    std::wstring text_;
    double icon_size_ = 16;
    Color background_{255, 255, 255, 255};
    Color foreground_{255, 0, 0, 0};
};

}  // namespace platform
