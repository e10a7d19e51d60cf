// What a panel calls when a change of the session should show in the
// document view: the open document rendered again (the print preview while
// the save/print panel is open), from the top of the page when
// `reset_scroll` is set. The window that composes the panels answers it.
#pragma once

#include <functional>

namespace ui {

using RenderWanted = std::function<void(bool reset_scroll)>;

}  // namespace ui
