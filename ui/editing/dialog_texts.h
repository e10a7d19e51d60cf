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

// Interface rows of the picker dialogs.
namespace dialog_rows {
inline constexpr int cancel = 27;
inline constexpr int choose_text = 28;
inline constexpr int enter_number = 30;
inline constexpr int page_list_hint = 31;
inline constexpr int file_name = 37;
inline constexpr int select_date = 39;
inline constexpr int delete_entry = 91;
}  // namespace dialog_rows

}  // namespace ui
