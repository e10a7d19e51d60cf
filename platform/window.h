// A top-level window with one content element.
//
// The window's placement is read and set in physical pixels of the screen
// (device-independent pixels times the screen's scale), so a stored
// placement comes back the same on a scaled screen. The system frame stays
// around the content: its caption buttons take no room from the content,
// and both insets are 0. UI thread only.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/element.h"
#include "platform/event.h"
#include "platform/keys.h"

namespace platform {

// Whole physical pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

enum class WindowState { restored, maximized, minimized, full_screen };

struct WindowChange {
    bool state_changed = false;  // the state changed, not only the place or size
};

// A request to close the window, by the user or by `close`. A handler that
// must keep the window open sets `cancel` on the arguments it is handed, as
// on the platform's own closing arguments.
struct WindowClosing {
    mutable bool cancel = false;
};

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

    // Placement; before the first `activate` these decide how it shows.
    WindowState state() const;
    void maximize();
    void restore();
    void enter_full_screen();
    // x and y: the outer top-left corner, frame included; width and height:
    // the content's size.
    PixelRect geometry() const;
    void move(int x, int y);
    void resize(int width, int height);
    // False where the system places windows itself (Wayland): `move` does
    // nothing there and the position reads (0, 0).
    bool can_be_placed() const;
    // The areas of the screens that windows may cover, without panels and
    // docks; the primary screen first. Empty without screens.
    std::vector<PixelRect> screen_areas() const;
    // Dots per inch of the window's screen: 96 times its scale; 96 without one.
    int screen_dpi() const;
    // Room taken by the system's caption buttons beside the content.
    double left_inset() const { return 0; }
    double right_inset() const { return 0; }
    // A left press inside one of these (physical pixels, relative to the
    // content) starts moving the window.
    void set_drag_rectangles(std::vector<PixelRect> rectangles);
    const std::vector<PixelRect>& drag_rectangles() const { return drag_rectangles_; }

    // Declares a key that raises `accelerator_invoked` while the window is
    // active, wherever the focus is in it. Holding the key does not repeat.
    void add_accelerator(Accelerator accelerator);

    // Shows the window and brings it to the front; a dialog open over it
    // comes on top of it and takes the keys.
    void activate();
    // Once the system's frame is known after the window showed (a window
    // manager adds it around the size asked for), moves and shrinks the
    // window so that the framed window lies within its screen's available
    // area. Nothing where windows cannot be placed, for a maximised window,
    // or when no frame comes within a few seconds.
    void fit_frame_into_screen();
    // From `fit_frame_into_screen` until that fit is over: done, nothing to
    // fit, or no frame came. A resize meanwhile may be undone by the fit.
    bool fitting_frame_into_screen() const { return fitting_frame_; }
    // Asks to close the window: `closing` is raised first, and unless a
    // handler cancelled, `closed` is raised once, before the window hides.
    void close();
    bool is_closed() const { return closed_; }

    Event<Window, WindowClosing> closing;
    Event<Window> closed;
    // The place, size or state changed.
    Event<Window, WindowChange> changed;
    Event<Window, Accelerator> accelerator_invoked;

    NativeWidget& native() const { return *native_; }

private:
    Window();
    // Raises `closing`; answers whether the window may close.
    bool on_close_requested();
    void on_native_close();

    NativePtr native_;
    std::shared_ptr<Element> content_;
    std::wstring title_;
    std::vector<PixelRect> drag_rectangles_;
    bool closed_ = false;
    bool fitting_frame_ = false;
};

}  // namespace platform
