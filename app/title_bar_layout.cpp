#include "app/title_bar_layout.h"

#include <climits>
#include <cmath>

namespace app {

namespace {

// Truncated toward zero, kept within an int.
int pixels(double value) {
    if (!std::isfinite(value)) return 0;
    return int(std::trunc(std::fmax(std::fmin(value, double(INT_MAX)), double(INT_MIN))));
}

}  // namespace

double monitor_scale(int dpi) {
    // Beyond 20 times a normal screen no DPI is real; the sum would overflow.
    if (dpi <= 0 || dpi > 96 * 20) return 1.0;
    const int percent = (dpi * 100 + 48) / 96;
    return percent / 100.0;
}

title_bar_layout lay_out_title_bar(double scale, double left_inset, double right_inset,
                                   const std::array<double, 7>& column_widths, double height) {
    title_bar_layout layout;
    layout.right_column = right_inset / scale;
    layout.left_column = left_inset / scale;
    std::array<double, 7> widths = column_widths;
    widths[0] = layout.left_column;
    widths[6] = layout.right_column;
    const int row_height = pixels(height * scale);
    layout.drag[0] = {pixels((widths[0] + widths[1]) * scale), 0, pixels(widths[2] * scale),
                      row_height};
    layout.drag[1] = {pixels((widths[0] + widths[1] + widths[2] + widths[3]) * scale), 0,
                      pixels(widths[4] * scale), row_height};
    return layout;
}

}  // namespace app
