#include "app/window_placement.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace app {

namespace {

using platform::PixelRect;

// A stored value as the window takes it: truncated toward zero; nothing for
// a value no window could have.
std::optional<int> stored_pixels(double value) {
    if (!std::isfinite(value) || value <= double(INT_MIN) - 1 || value >= double(INT_MAX) + 1.0) {
        return std::nullopt;
    }
    return int(std::trunc(value));
}

struct overlap {
    long long width = 0, height = 0;
};

overlap overlap_of(const PixelRect& window, const PixelRect& screen) {
    // In 64 bits: a far-away window must not wrap around into view.
    const long long left = std::max<long long>(window.x, screen.x);
    const long long top = std::max<long long>(window.y, screen.y);
    const long long right =
        std::min<long long>(0LL + window.x + window.width, 0LL + screen.x + screen.width);
    const long long bottom =
        std::min<long long>(0LL + window.y + window.height, 0LL + screen.y + screen.height);
    return {std::max(0LL, right - left), std::max(0LL, bottom - top)};
}

bool shows_enough_on(const PixelRect& window, const PixelRect& screen) {
    const overlap shown = overlap_of(window, screen);
    return shown.width >= 100 && shown.height >= 50;
}

const PixelRect& screen_showing_most_of(const PixelRect& window,
                                        const std::vector<PixelRect>& screens) {
    const auto area = [&](const PixelRect& screen) {
        const overlap shown = overlap_of(window, screen);
        return shown.width * shown.height;
    };
    return *std::max_element(
        screens.begin(), screens.end(),
        [&](const PixelRect& a, const PixelRect& b) { return area(a) < area(b); });
}

// Held to the screen's size, and moved along each side only as far as it
// takes to lie within the screen.
placement_plan held_within(const PixelRect& window, const PixelRect& screen) {
    const int width = std::min(window.width, screen.width);
    const int height = std::min(window.height, screen.height);
    const int x =
        int(std::clamp<long long>(window.x, screen.x, 0LL + screen.x + screen.width - width));
    const int y =
        int(std::clamp<long long>(window.y, screen.y, 0LL + screen.y + screen.height - height));
    return {false, PixelRect{x, y, 0, 0}, PixelRect{0, 0, width, height}, true};
}

PixelRect held_to(const PixelRect& size, const std::vector<PixelRect>& screens) {
    if (screens.empty()) return size;
    return {0, 0, std::min(size.width, screens.front().width),
            std::min(size.height, screens.front().height)};
}

}  // namespace

placement_plan plan_placement(const core::settings& stored, const std::vector<PixelRect>& screens,
                              bool can_place, double scale) {
    placement_plan plan;
    plan.maximized = stored.AppWindowMaximized != 0 && !std::isnan(stored.AppWindowMaximized);
    const auto x = stored_pixels(stored.WindowX), y = stored_pixels(stored.WindowY);
    const auto width = stored_pixels(stored.WindowWidth),
               height = stored_pixels(stored.WindowHeight);
    if (!x || !y || !width || !height || *width <= 0 || *height <= 0) {
        const PixelRect first{0, 0, int(std::lround(first_start_width * scale)),
                              int(std::lround(first_start_height * scale))};
        plan.size = held_to(first, screens);
        return plan;
    }
    const PixelRect window{*x, *y, *width, *height};
    if (!can_place) {
        plan.size = PixelRect{0, 0, window.width, window.height};
        return plan;
    }
    const bool on_a_screen =
        screens.empty() || std::any_of(screens.begin(), screens.end(), [&](const PixelRect& s) {
            return shows_enough_on(window, s);
        });
    if (!on_a_screen) {
        plan.size = held_to(window, screens);
        return plan;
    }
    // A maximised window is held as well: restoring it brings this size back.
    if (!screens.empty()) {
        const PixelRect& screen = screen_showing_most_of(window, screens);
        if (window.width > screen.width || window.height > screen.height) {
            placement_plan held = held_within(window, screen);
            held.maximized = plan.maximized;
            return held;
        }
    }
    plan.position = PixelRect{window.x, window.y, 0, 0};
    plan.size = PixelRect{0, 0, window.width, window.height};
    return plan;
}

bool store_placement(core::settings& config, platform::WindowState state, const PixelRect& geometry,
                     bool can_place) {
    switch (state) {
        case platform::WindowState::minimized:
        case platform::WindowState::full_screen: return false;
        case platform::WindowState::maximized: config.AppWindowMaximized = 1.0; return true;
        case platform::WindowState::restored: break;
    }
    // Where the system places windows the position reads (0, 0): the stored
    // one stays.
    if (can_place) {
        config.WindowX = geometry.x;
        config.WindowY = geometry.y;
    }
    config.WindowWidth = geometry.width;
    config.WindowHeight = geometry.height;
    config.AppWindowMaximized = 0.0;
    return true;
}

}  // namespace app
