#include "ui/editing/dialog_texts.h"

#include "core/interface_texts.h"
#include "ui/editing/shown_texts.h"

namespace ui {

namespace {
constexpr std::wstring_view blanks = L" \t\n\r";
}  // namespace

std::wstring dialog_initial_value(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring_view::npos) return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return std::wstring(text.substr(first, last - first + 1));
}

std::wstring dialog_title(std::wstring title, int default_row) {
    title = without_trailing_blanks(std::move(title));
    if (title.empty()) return core::ui_string(default_row);
    return title;
}

}  // namespace ui
