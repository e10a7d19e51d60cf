// The rows every panel beside the document shares: a section header with a
// title and a value text, and a label line. Each appends one child to the
// panel; handlers find rows by their position, so none adds more.
#pragma once

#include <string>

#include "platform/panel.h"

namespace ui {

// A grid whose first child is the title and second the value text (the
// handlers of the setting rows rewrite it); nothing for an empty title.
void MakeSectionHeader(platform::Panel& panel, std::wstring title, std::wstring subtitle);
// White bold text on the row colour.
void MakeLabel(platform::Panel& panel, const std::wstring& text);

}  // namespace ui
