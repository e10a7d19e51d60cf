// The texts of a setting row's header, found by position as the handlers of
// the settings and save/print pages find them: a control sits in a group
// box, the group box in the page, and the row's header is the page's child at
// a fixed position. Each answers null when the page is not shaped so.
#pragma once

#include <cstddef>

#include "platform/controls.h"
#include "platform/panel.h"

namespace ui {

// Child `part` of the header at `position` of `page`: 0 its caption, 1 its
// value caption.
platform::TextBlock* header_text(const platform::Panel& page, std::size_t position,
                                 std::size_t part);

// The value caption of the header at `position` of the page holding the
// control's group box.
platform::TextBlock* value_caption(const platform::Element& control, std::size_t position);

}  // namespace ui
