#include "ui/editing/field_text_limit.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"

namespace ui {

std::wstring field_text_refused() {
    std::wstring limit = std::to_wstring(field_text_limit);
    // Digits grouped as each language writes them: 20,000 and 20 000.
    const wchar_t group = core::current_language == 1 ? L'\u00A0' : L',';
    for (std::size_t at = limit.size(); at > 3; at -= 3) limit.insert(at - 3, 1, group);
    std::wstring text = core::ui_string(engine::ui_text::field_text_too_long);
    constexpr std::wstring_view slot = L"{limit}";
    if (const std::size_t at = text.find(slot); at != std::wstring::npos)
        text.replace(at, slot.size(), limit);
    return text;
}

}  // namespace ui
