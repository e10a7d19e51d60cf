// The parts of Word-readable HTML, and the test of whether a rendered text
// shows anything.
//
// The Word HTML (`to_word_html`) holds the print rendering of every page inside
// an Office head whose page definition comes from the page setup.
#pragma once

#include <string>

namespace engine {

struct doc_record;

// The Office head up to the opening of the page division. `page_setup` is the
// record of the page-setup group, or null when the document has none (the
// A4 portrait defaults then apply).
std::wstring word_html_head(const doc_record* page_setup);

// Turns each print page break into a Word page break.
std::wstring convert_page_breaks(std::wstring html);

// True when the text, taken as HTML, shows an image or a character outside
// the tags; blanks, line breaks and non-breaking spaces do not count.
bool has_visible_content(std::wstring text);

}  // namespace engine
