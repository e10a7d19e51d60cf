// The widths the two side panes may take, in device-independent pixels, and
// the width a stored setting gives.
#pragma once

#include "platform/pane_fit.h"

namespace app {

struct pane_range {
    double minimum;
    double maximum;
    double fallback;  // the default setting
};

inline constexpr pane_range menu_pane_range{150, 450, 263};
inline constexpr pane_range data_pane_range{300, 800, 480};

// The document view between the panes keeps a third of the window, or 320
// pixels when that is less: a window too narrow for the panes' widths
// narrows the panes, not the view.
inline constexpr platform::ContentShare document_view_share{1.0 / 3, 320};

// A stored width that is no number, below 80 or above 2000 gives the
// default; any other is held to the range.
double applied_pane_width(double stored, const pane_range& range);

}  // namespace app
