// What captions, notes and options show, and the value an options field
// stores. Texts that hold "{" show their rendered form as plain text (the
// script writes markup for the page: a sum keeps its digits together with
// a no-break span); others are shown as stored, without running the script.
// UI thread only.
#pragma once

#include <string>

#include "engine/document/document.h"
#include "engine/fields/render_context.h"

namespace ui {

// `text` rendered against `doc` for `view` when it holds "{". A text whose
// script fails is shown as stored, so one faulty caption does not stop the
// panel.
std::wstring shown_text(engine::document* doc, const engine::view_state& view,
                        const std::wstring& text);

struct shown_option {
    std::wstring text;
    bool shown = true;
};

// An option's text as its check box or radio button shows it. Check boxes
// (`hide_blank`) hide an option whose rendered text is blank; an option
// without "{" is always shown, even when empty.
shown_option option_shown_text(engine::document* doc, const engine::view_state& view,
                               const engine::doc_record& option, bool hide_blank);

// The value of an options field: the stored texts of its chosen options in
// order, each followed by a blank, with the trailing blanks, tabs and line
// ends cut.
std::wstring joined_option_value(const engine::doc_element& field);

// `text` without trailing blanks, tabs, line feeds and carriage returns.
std::wstring without_trailing_blanks(std::wstring text);

}  // namespace ui
