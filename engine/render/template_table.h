// Tables written inside a paragraph text with the table markers.
//
// Each marker gives the opening tag of a table, a row or a cell, closing the
// row and cell still open by itself; the table end closes them all. Whether a
// row or cell is open is kept in the render context, as one table may span
// several statements; every render starts with both clear.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/fields/render_context.h"

namespace engine {

// The HTML of one table marker. `marker_code` is the lexer's code (8 table
// start, 9 table end, 10 row, 11 cell); `marker_text` the marker as the lexer
// took it, for example «{#EEEEEE ТАБЛИЦА:100%,4}». The context supplies the
// current paragraph's style texts and the interface language.
std::wstring table_marker_html(render_context& context, std::uint32_t marker_code,
                               std::wstring_view marker_text);

// One table marker being turned into HTML.
struct table_line {
    int language = 0;                         // the interface language
    const unit_style_texts* style = nullptr;  // the paragraph's
    std::uint32_t kind = 0;                   // 14 table start, 15 table end, 16 row, 17 cell
    // Upper-cased, without its braces: «#EEEEEE ТАБЛИЦА:100%,4».
    std::wstring text;
    // Cell parameters: top, left, bottom and right border widths, cell width,
    // first and second span.
    std::array<std::wstring, 7> params;
};

table_line parse_table_line(const render_context& context, std::uint32_t kind,
                            std::wstring_view marker_text);
// The row and cell ones close what the context has open, and record what they open.
std::wstring open_table_html(render_context& context, const table_line& line);
std::wstring table_row_html(render_context& context, const table_line& line);
std::wstring table_cell_html(render_context& context, table_line& line);

// The first `n` characters (all of them when `n` is negative or too large).
std::wstring left_substring(std::wstring_view text, std::int32_t n);
// Removes every `c` from `text` in place.
std::wstring& erase_char(std::wstring& text, wchar_t c);

}  // namespace engine
