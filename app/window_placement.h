// Where the window opens and what of its placement the settings keep,
// decided without a window. Positions and sizes are physical pixels, as
// the settings store them (WindowX, WindowY, WindowWidth, WindowHeight,
// AppWindowMaximized).
#pragma once

#include <optional>
#include <vector>

#include "core/settings.h"
#include "platform/window.h"

namespace app {

// A window of this size, in device-independent pixels, shows a whole A4
// page at 100% between the two panes at their default widths.
inline constexpr double first_start_width = 1600;
inline constexpr double first_start_height = 1000;

struct placement_plan {
    bool maximized = false;
    // Nothing: the window manager decides.
    std::optional<platform::PixelRect> position;  // x and y only
    std::optional<platform::PixelRect> size;      // width and height only
    // The stored size was larger than its screen and is held to it: once
    // shown restored, the frame has to be fitted in as well.
    bool held_to_screen = false;
    friend bool operator==(const placement_plan&, const placement_plan&) = default;
};

// The stored geometry counts when its width and height are above 0 once
// truncated toward zero; x and y may be 0 or negative. Without it the
// window takes the first-start size at `scale`, within the primary
// screen's area. A stored place of which less than 100 by 50 pixels lie on
// any screen in `screens` (the primary first) loses its position and is
// held to the primary screen's size. A window larger than the screen that
// shows most of it, maximised or not, is held to that screen's area and
// moved only as far as it takes to lie within it: a maximised one comes
// back to that size when restored. Where windows cannot be placed
// (`can_place` false) only the size and the maximised state apply.
placement_plan plan_placement(const core::settings& stored,
                              const std::vector<platform::PixelRect>& screens, bool can_place,
                              double scale);

// Keeps the window's placement in the settings: a restored window its
// geometry (its position only where windows can be placed) and
// AppWindowMaximized 0, a maximised one AppWindowMaximized 1 and the last
// restored geometry. A minimised or full-screen window changes nothing.
// Answers whether anything was stored.
bool store_placement(core::settings& config, platform::WindowState state,
                     const platform::PixelRect& geometry, bool can_place);

}  // namespace app
