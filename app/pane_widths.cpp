#include "app/pane_widths.h"

#include <algorithm>
#include <cmath>

namespace app {

double applied_pane_width(double stored, const pane_range& range) {
    if (!std::isfinite(stored) || stored < 80 || stored > 2000) return range.fallback;
    return std::clamp(stored, range.minimum, range.maximum);
}

}  // namespace app
