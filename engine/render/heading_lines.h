// Block headings and the lines of text the print gives a unit.
//
// A heading left last on a page reads as if its clauses were missing. The
// print keeps a block's heading with its first clause when the clause is
// short enough to move to the next page with it; how many lines a text
// takes is known only to the web engine, so it is estimated from the
// page's width and the font's size, leaning towards fewer lines.
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

// The lines `html` (a unit's rendered text, its number included) takes at
// most in a column `text_width_mm` wide, in the size of `r`, counting each
// line break. A little less than most texts take: a clause estimated at six
// lines may take seven, never the other way round.
int estimated_lines(std::wstring_view html, const doc_record& r, double text_width_mm);

// The width of the body's column: the page's less its side margins.
double text_width_mm(const document_data* data);

}  // namespace engine
