// What tests reach of the platform that the program itself never asks for.
#pragma once

#include <memory>

#include "platform/content_dialog.h"

namespace platform::testing {

// The dialog a flow opened and that still shows, or null.
inline std::shared_ptr<ContentDialog> last_dialog() { return ContentDialog::open_dialog(); }

// How many presses in a window's drag rectangles started moving it.
int system_moves_started();

// The message of a start that the running copy does not answer closes as
// soon as it shows.
void close_not_answering_message_at_once();

}  // namespace platform::testing
