#include "ui/editing/shown_texts.h"

#include "engine/render/script.h"
#include "engine/text/markup_text.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

namespace {

bool holds_brace(const std::wstring& text) { return text.find(L'{') != std::wstring::npos; }

}  // namespace

std::wstring without_trailing_blanks(std::wstring text) {
    const std::size_t end = text.find_last_not_of(L" \t\n\r");
    text.erase(end == std::wstring::npos ? 0 : end + 1);
    return text;
}

std::wstring shown_text(engine::document* doc, const engine::view_state& view,
                        const std::wstring& text) {
    if (!holds_brace(text)) return text;
    try {
        engine::render_context context(doc, view);
        // Written for the page; shown here without its markup.
        return engine::markup_to_text(engine::script(text, context).run());
    } catch (...) {
        return text;
    }
}

shown_option option_shown_text(engine::document* doc, const engine::view_state& view,
                               const engine::doc_record& option, bool hide_blank) {
    if (!holds_brace(option.s2)) return {option.s2, true};
    std::wstring text = shown_text(doc, view, option.s2);
    if (!hide_blank) return {std::move(text), true};
    text = without_trailing_blanks(std::move(text));
    const bool shown = !text.empty();
    return {std::move(text), shown};
}

std::wstring joined_option_value(const engine::doc_element& field) {
    std::wstring value;
    const std::size_t count = option_count(field);
    for (std::size_t i = 0; i < count; ++i) {
        if (is_chosen(field.items[i])) value += field.items[i].s2 + L" ";
    }
    return without_trailing_blanks(std::move(value));
}

}  // namespace ui
