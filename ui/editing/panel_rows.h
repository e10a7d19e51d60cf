// The rows every panel beside the document shares: a section header with a
// title and a value text, and a label line. Each appends one child to the
// panel; handlers find rows by their position, so none adds more. Also the
// square pick button at the end of a text row, and a text box's hint.
#pragma once

#include <memory>
#include <string>

#include "platform/button.h"
#include "platform/panel.h"

namespace ui {

// A grid whose first child is the title and second the value text (the
// handlers of the setting rows rewrite it); nothing for an empty title.
void MakeSectionHeader(platform::Panel& panel, std::wstring title, std::wstring subtitle);
// White bold text on the row colour.
void MakeLabel(platform::Panel& panel, const std::wstring& text);

// A 36-pixel square in the pick colours with the value icon, or the list
// icon for a database list.
std::shared_ptr<platform::Button> MakePickButton(const std::wstring& install_folder, bool listed,
                                                 platform::VerticalAlignment alignment);
// "[ text ]" with thin spaces, as text boxes show their hint.
std::wstring bracketed_hint(const std::wstring& text);

}  // namespace ui
