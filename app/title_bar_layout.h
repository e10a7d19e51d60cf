// The header row's geometry in physical pixels, worked out without a window.
//
// The row has seven columns: 0 and 6 over the system's insets, 1 the logos,
// menu button and title, 2 and 4 the areas that drag the window, 3 the tool
// bar, 5 a narrow end. The layout works in device-independent pixels; the
// system takes insets and drag rectangles in physical ones.
#pragma once

#include <array>

#include "platform/window.h"

namespace app {

// The screen's scale to the nearest whole percent, halves up: 1.0 at 96
// dots per inch, 1.15 at 110, 1.25 at 120; 1.0 for a DPI that is no use.
double monitor_scale(int dpi);

struct title_bar_layout {
    double left_column = 0;   // width of column 0, device-independent
    double right_column = 0;  // width of column 6
    std::array<platform::PixelRect, 2> drag;
};

// `column_widths` are the columns' laid-out widths and `height` the row's,
// in device-independent pixels; the insets are physical. Columns 0 and 6
// take the insets' widths before the rectangles are measured.
title_bar_layout lay_out_title_bar(double scale, double left_inset, double right_inset,
                                   const std::array<double, 7>& column_widths, double height);

}  // namespace app
