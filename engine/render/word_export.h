// The parts of Word-readable HTML, and the test of whether a rendered text
// shows anything.
//
// The Word HTML (`to_word_html`) holds the print rendering of every page inside
// an Office head whose page definition comes from the page setup.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace engine {

struct doc_record;

// The page of the Word file in whole millimetres.
struct word_page {
    std::int64_t width = 210, height = 297, top = 19, right = 19, bottom = 19, left = 19;
};

// The page of the page-setup record, the A4 portrait defaults in place of
// what it lacks or of a missing record.
word_page word_page_of(const doc_record* page_setup);

// The Office head up to the opening of the page division. `page_setup` is the
// record of the page-setup group, or null when the document has none (the
// A4 portrait defaults then apply). `title` is written escaped; `cell_font`
// ("font-family:…;font-size:…;", or nothing) goes to every table cell;
// `language` ("ru", "en") is the language of the document's text.
std::wstring word_html_head(const doc_record* page_setup, std::wstring_view title,
                            std::wstring_view cell_font, std::wstring_view language);

// What stands before a table that opens a paragraph asking for `mm` of space
// above it, so that word processors which drop a table's margin keep that
// space; nothing when there is none.
std::wstring word_space_above_table(double mm);

// Puts each linked picture tag in place of its embedded one.
void link_pictures(std::wstring& html,
                   const std::vector<std::pair<std::wstring, std::wstring>>& links);

// LibreOffice reads the DOC as a web page, and its PDF export of such a page
// leaves the first paragraph out and a blank page in unless the page opens
// with a table: the division that opens the body at `body_start` is put in a
// table of one cell that only readers other than Word see (Word skips what
// `<![if !mso]>` holds, and reads the file as before), with the space asked
// above a table right after it. Nothing changes when the body opens with
// anything else or its first division with a table.
void open_with_table_outside_word(std::wstring& html, std::size_t body_start);

// Turns each print page break into a Word page break.
std::wstring convert_page_breaks(std::wstring html);

// True when the text, taken as HTML, shows an image or a character outside
// the tags; blanks, line breaks and non-breaking spaces do not count.
bool has_visible_content(std::wstring text);

}  // namespace engine
