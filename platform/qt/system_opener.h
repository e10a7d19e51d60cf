// Opening a file in the application the desktop has for it, through
// xdg-open, so that a failure is seen: QDesktopServices answers true as soon
// as xdg-open has started, whatever becomes of it.
#pragma once

#include <string>

#include "platform/task.h"

namespace platform {

// True when xdg-open started and exited with 0; false when it could not be
// started, crashed or exited otherwise. xdg-open may wait for the viewer it
// starts: the task then finishes when the viewer ends, and the viewer
// outlives the program.
Task<bool> open_with_desktop(const std::wstring& path);

}  // namespace platform
