// The texts every picker dialog starts from. UI thread only.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// The field's text as a dialog starts from it: blanks, tabs, line feeds and
// carriage returns cut at both ends.
std::wstring dialog_initial_value(std::wstring_view text);
// The caption above a dialog: cut at its right end only (leading blanks
// stay); when nothing is left, the interface text of `default_row`.
std::wstring dialog_title(std::wstring title, int default_row);

}  // namespace ui
