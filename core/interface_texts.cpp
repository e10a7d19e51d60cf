#include "core/interface_texts.h"

#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/text/utf16.h"

namespace core {

int current_language = 0;

std::wstring ui_string(int row) { return engine::ui_string(row, current_language); }

namespace {

void put(std::wstring& text, std::wstring_view slot, const std::wstring& value) {
    if (const std::size_t at = text.find(slot); at != std::wstring::npos)
        text.replace(at, slot.size(), value);
}

}  // namespace

std::wstring changes_not_saved(const std::wstring& file, const std::error_code& reason) {
    std::wstring text = ui_string(engine::ui_text::changes_not_saved);
    // The reason first: a file name may itself read "{reason}".
    put(text, L"{reason}", engine::from_utf8(reason.message()));
    put(text, L"{file}", file);
    return text;
}

}  // namespace core
