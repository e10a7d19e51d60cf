// Tables written inside a paragraph text with the table markers.
//
// Each marker gives the opening tag of a table, a row or a cell, closing the
// row and cell still open by itself; the table end closes them all. Whether a
// row or cell is open is process-wide state shared by all scripts, as one
// table may span several statements.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

class document;

// The HTML of one table marker. `marker_code` is the lexer's code (8 table
// start, 9 table end, 10 row, 11 cell); `marker_text` the marker as the lexer
// took it, for example «{#EEEEEE ТАБЛИЦА:100%,4}». `doc` supplies the current
// paragraph's style texts and may be null.
std::wstring table_marker_html(const document* doc, std::uint32_t marker_code, std::wstring_view marker_text);

}  // namespace engine
