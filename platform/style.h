// Plain values that describe how an element looks.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace platform {

enum class Visibility { visible, collapsed };

enum class HorizontalAlignment { stretch, left, center, right };
enum class VerticalAlignment { stretch, top, center, bottom };

enum class Orientation { vertical, horizontal };

struct Thickness {
    double left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Thickness&, const Thickness&) = default;
};

// A position in device-independent pixels.
struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// ARGB, one byte each.
struct Color {
    std::uint8_t a = 255, r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// A solid brush: one colour.
struct SolidColorBrush {
    Color color;
};

struct FontSpec {
    std::wstring family;  // empty: the default family
    double size = 0;      // in device-independent pixels; 0: the default size
    bool bold = false;
};

// A width or height that was never set: the element sizes itself.
inline constexpr double auto_size = std::numeric_limits<double>::quiet_NaN();
inline bool is_auto(double size) { return std::isnan(size); }

// A row height or column width of a grid.
struct GridLength {
    enum class Unit { pixel, star, automatic };
    double value = 1;
    Unit unit = Unit::star;

    static GridLength pixels(double v) { return {v, Unit::pixel}; }
    static GridLength star(double v = 1) { return {v, Unit::star}; }
    static GridLength automatic() { return {0, Unit::automatic}; }
};

}  // namespace platform
