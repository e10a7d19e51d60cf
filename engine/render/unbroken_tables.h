// Short tables kept whole across a page's end.
//
// A signature table that the end of a page splits leaves the signature lines
// at the foot of one page and the names alone on the next. A table of at
// most `short_table_rows` rows of its own asks to be kept whole: the web
// engine moves it to the next page, and a word processor keeps it on one
// page, while longer tables still break between their rows.
#pragma once

#include <string>

namespace engine {

// The library's signature tables have up to four rows.
inline constexpr int short_table_rows = 4;

// Pure: `html` with "break-inside:avoid;page-break-inside:avoid;" added to
// the style of every table holding one to `short_table_rows` rows of its own
// (the rows of a table inside one of its cells are the inner table's).
std::wstring keep_short_tables_whole(std::wstring html);

}  // namespace engine
