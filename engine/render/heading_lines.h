// Block headings and the lines of text the print gives a unit.
//
// A heading left last on a page reads as if its clauses were missing. The
// print keeps a block's heading with its first clause when the clause is
// short enough to move to the next page with it; how many lines a text
// takes is known only to the web engine, so it is estimated from the
// page's width and the font's size, leaning towards fewer lines.
//
// Every print renders the whole document again, so an estimate starts from
// what the render wrote: a text no longer than the lines asked about, with
// no line break, fits them unread. Otherwise it reads the unit's HTML once,
// in place, and stops as soon as its answer is known: past the lines asked
// about, or at the first small letter of a heading that is not bold. Only
// the print estimates: the screen and the DOC have no page ends to keep a
// heading from.
#pragma once

#include <string_view>

#include "engine/document/document_data.h"

namespace engine {

// A first clause of at most this many lines moves with its heading.
inline constexpr int clause_lines_kept_with_heading = 6;

// Whether `html`, a block's rendered text with its style record `r`, reads as
// a heading: at most two lines on a page `text_width_mm` wide, and in
// capitals or bold.
bool is_block_heading(std::wstring_view html, const doc_record& r, double text_width_mm);

// Whether `html` (a unit's rendered text, its number included) takes at most
// `lines` lines in a column `text_width_mm` wide, in the size of `r`,
// counting each line break. Leans towards fewer lines: a clause taken for
// six lines may take seven, never the other way round.
bool fits_in_lines(std::wstring_view html, const doc_record& r, double text_width_mm, int lines);

// The width of the body's column: the page's less its side margins.
double text_width_mm(const document_data* data);

}  // namespace engine
