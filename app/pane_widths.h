// The widths the two side panes may take, in device-independent pixels, and
// the width a stored setting gives.
#pragma once

namespace app {

struct pane_range {
    double minimum;
    double maximum;
    double fallback;  // the default setting
};

inline constexpr pane_range menu_pane_range{150, 450, 263};
inline constexpr pane_range data_pane_range{300, 800, 480};

// A stored width that is no number, below 80 or above 2000 gives the
// default; any other is held to the range.
double applied_pane_width(double stored, const pane_range& range);

}  // namespace app
