// A top-level window with one content element.
#pragma once

#include <memory>
#include <string>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

class Window final {
public:
    static std::shared_ptr<Window> create();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const std::shared_ptr<Element>& content() const { return content_; }
    void set_content(std::shared_ptr<Element> content);

    const std::wstring& title() const { return title_; }
    void set_title(std::wstring title);
    void resize(int width, int height);

    // Shows the window and brings it to the front.
    void activate();
    // Closes the window; `closed` is raised once, before the window hides.
    void close();
    bool is_closed() const { return closed_; }

    Event<Window> closed;

    NativeWidget& native() const { return *native_; }

private:
    Window();
    void on_native_close();

    NativePtr native_;
    std::shared_ptr<Element> content_;
    std::wstring title_;
    bool closed_ = false;
};

}  // namespace platform
