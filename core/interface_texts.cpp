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

// The reason first: a path may itself read "{reason}".
std::wstring with_path_and_reason(int row, std::wstring_view path_slot, const std::wstring& path,
                                  const std::error_code& reason) {
    std::wstring text = ui_string(row);
    put(text, L"{reason}", engine::from_utf8(reason.message()));
    put(text, path_slot, path);
    return text;
}

}  // namespace

std::wstring changes_not_saved(const std::wstring& file, const std::error_code& reason) {
    return with_path_and_reason(engine::ui_text::changes_not_saved, L"{file}", file, reason);
}

std::wstring library_not_copied(const std::wstring& folder, const std::error_code& reason) {
    return with_path_and_reason(engine::ui_text::library_not_copied, L"{folder}", folder, reason);
}

std::wstring changes_not_kept(const std::wstring& folder) {
    std::wstring text = ui_string(engine::ui_text::changes_not_kept);
    put(text, L"{folder}", folder);
    return text;
}

}  // namespace core
