#include "ui/editing/number_note_text.h"

#include <array>
#include <string_view>

#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/fields/single_number.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

// A clerk types one of these where a contract sets no term or amount; the
// document then leaves its clause out rather than printing a gap.
// clang-format off
constexpr std::array<std::wstring_view, 17> none_words{
    L"нет", L"не устанавливается", L"не установлен", L"не установлена", L"не установлено",
    L"без испытания", L"не предусмотрен", L"не предусмотрена", L"не предусмотрено",
    L"отсутствует", L"-", L"\u2014", L"\u2013", L"no", L"none", L"nil", L"n/a"};
// clang-format on

bool means_none(std::wstring_view text) {
    const std::wstring lowered = engine::to_lower(std::wstring(engine::trimmed(text)));
    for (std::wstring_view word : none_words)
        if (lowered == word) return true;
    return false;
}

// What the document prints as a gap in a number's place. A value script
// ("{...}") is a number only once it has run.
bool reads_as_no_number(std::wstring_view text, int language) {
    return !engine::trimmed(text).empty() && text.find(L'{') == std::wstring_view::npos &&
           !engine::read_single_number(text, language);
}

}  // namespace

std::wstring number_note_text(const engine::doc_element& field, int language) {
    if (type_of(field) != field_type::number) return {};
    const std::wstring& text = field.record.s2;
    if (means_none(text) || !reads_as_no_number(text, language)) return {};
    return engine::ui_string(engine::ui_text::number_not_read, language);
}

}  // namespace ui
