// The look of an action button: text on a filled, rounded background that
// takes another colour while the pointer is over it. UI thread only.
#pragma once

#include "platform/controls.h"
#include "platform/style.h"

namespace platform {

void set_filled(AppBarButton& button, const Brush& background, Color hover, Color foreground,
                double corner_radius);

}  // namespace platform
