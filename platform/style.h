// Plain values that describe how an element looks.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>
#include <vector>

namespace platform {

enum class Visibility { visible, collapsed };

enum class HorizontalAlignment { stretch, left, center, right };
enum class VerticalAlignment { stretch, top, center, bottom };

enum class Orientation { vertical, horizontal };

struct Thickness {
    double left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Thickness&, const Thickness&) = default;
};

// ARGB, one byte each.
struct Color {
    std::uint8_t a = 255, r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// A position in device-independent pixels.
struct Point {
    double x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A size in device-independent pixels.
struct Size {
    double width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A solid brush: one colour.
struct SolidColorBrush {
    Color color;
    friend bool operator==(const SolidColorBrush&, const SolidColorBrush&) = default;
};

struct GradientStop {
    Color color;
    double offset = 0;  // 0 at the start point, 1 at the end point
    friend bool operator==(const GradientStop&, const GradientStop&) = default;
};

// Colours blended along a line. The points are relative to the box being
// painted: (0, 0) its top left, (1, 1) its bottom right.
struct LinearGradientBrush {
    Point start;
    Point end{0, 1};
    std::vector<GradientStop> stops;
    friend bool operator==(const LinearGradientBrush&, const LinearGradientBrush&) = default;
};

// What a background is painted with: one colour or a gradient.
class Brush {
public:
    Brush(Color color) : paint_(SolidColorBrush{color}) {}
    Brush(SolidColorBrush solid) : paint_(solid) {}
    Brush(LinearGradientBrush gradient) : paint_(std::move(gradient)) {}

    // Null when the brush is the other kind.
    const SolidColorBrush* solid() const { return std::get_if<SolidColorBrush>(&paint_); }
    const LinearGradientBrush* gradient() const {
        return std::get_if<LinearGradientBrush>(&paint_);
    }

    friend bool operator==(const Brush&, const Brush&) = default;

private:
    std::variant<SolidColorBrush, LinearGradientBrush> paint_;
};

struct FontSpec {
    std::wstring family;  // empty: the default family
    double size = 0;      // in device-independent pixels; 0: the default size
    bool bold = false;
    int weight = 0;     // 100 thin to 900 black; 0: regular, or bold when `bold`
    int stretch = 100;  // width in percent of the normal: 150 extra-, 200 ultra-expanded
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
