#include "ui/editing/number_note_text.h"

#include <string_view>

#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "engine/fields/none_words.h"
#include "engine/fields/single_number.h"
#include "engine/text/plain_text.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

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
    if (engine::is_none_word(text) || !reads_as_no_number(text, language)) return {};
    return engine::ui_string(engine::ui_text::number_not_read, language);
}

}  // namespace ui
