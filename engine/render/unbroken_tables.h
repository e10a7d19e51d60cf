// Short tables kept whole across a page's end.
//
// A signature table that the end of a page splits leaves the signature lines
// at the foot of one page and the names alone on the next. A table of at
// most `short_table_rows` rows of its own asks to be kept whole: the web
// engine moves it to the next page, and a word processor keeps it on one
// page, while longer tables still break between their rows. The heading right
// above such a table goes with it rather than stay alone at the page's foot.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// The library's signature tables have up to four rows.
inline constexpr int short_table_rows = 4;

// Pure: `html` with "break-inside:avoid;page-break-inside:avoid;" added to
// the style of every table holding one to `short_table_rows` rows of its own
// (the rows of a table inside one of its cells are the inner table's).
std::wstring keep_short_tables_whole(std::wstring html);

// Whether `html`, as `keep_short_tables_whole` left it, shows a table kept
// whole before anything else.
bool starts_with_kept_table(const std::wstring& html);

// Opens the division that keeps a heading and the table below it on one
// page in the print (the web engine honours no break-after).
inline constexpr std::wstring_view keep_together_open =
    L"<div style=\"break-inside:avoid;page-break-inside:avoid;\">";

// Pure: `unit`, the HTML of one paragraph in a division, with its content in
// a paragraph element asking "page-break-after:avoid", which word processors
// read as "keep with next" (LibreOffice on a paragraph element only);
// unchanged when it is no division (a numbered paragraph's table).
std::wstring keep_with_next(std::wstring unit);

}  // namespace engine
