// List numbering: the prefix of a numbered unit and the one-row table that
// holds it in the two list layouts.
//
// The counters live in the render context and start at zero with every
// render, so numbering runs on across pages. The context's
// `form_column_mode` is the one piece of state kept between calls of the
// hanging-indent layout: a dash item takes its indentation from the numbered
// unit before it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/document/document_data.h"
#include "engine/fields/render_context.h"

namespace engine {

// Upper-case Roman numerals of 1 to 30; numbering stops at XXX.
inline constexpr std::array<std::wstring_view, 30> roman_numerals = {
    L"I",   L"II",   L"III",   L"IV",   L"V",   L"VI",   L"VII",   L"VIII",   L"IX",   L"X",
    L"XI",  L"XII",  L"XIII",  L"XIV",  L"XV",  L"XVI",  L"XVII",  L"XVIII",  L"XIX",  L"XX",
    L"XXI", L"XXII", L"XXIII", L"XXIV", L"XXV", L"XXVI", L"XXVII", L"XXVIII", L"XXIX", L"XXX",
};

// The six counters, in this order.
enum numbering_counter : std::size_t { top, level1, level2, level3, sub, roman };
using numbering_counter_set = std::array<std::uint32_t, 6>;

// The list prefix of a unit of numbering kind `kind` ("2.1.&nbsp;", "b)&nbsp;",
// "-&nbsp;", or empty for kind 0), advancing `counters`. `language` 1 gives
// Russian letters.
std::wstring numbering_prefix(int kind, numbering_counter_set& counters, int language);

// The prefix of the unit at (page, element, item) of numbering kind `kind`,
// or, when the unit's indent and the list layout call for cells, the opening
// of a one-row table that ends inside the text cell after the opening font
// tags (and the prefix). Advances the context's counters; letters follow the
// language the document was opened in.
std::wstring render_numbered_list(render_context& context, int kind, int element, int item,
                                  int page);

// The rest of the table opening of the simple layout: style, indent cell, text
// cell, font tags and prefix. `bold_number` puts the prefix in <b> inside the
// cell, where the bold cannot leak past the table.
std::wstring list_item_html(render_context& context, int page, const std::wstring& prefix,
                            int element, int item, bool bold_number = false);
// The same for the hanging-indent layout, with its number column and fill-in lines.
std::wstring form_item_html(render_context& context, int page, const std::wstring& prefix,
                            int element, int item);

// Whether fill-in lines show a check mark: the first shown-state field keyed
// "show_checks" holds a value.
bool show_checks(const document_data* data);

// Whether the page setup asks for bold list numbers, and for the hanging-indent layout.
bool bold_numbering(const document_data* data);
bool hanging_indent_layout(const document_data* data);

}  // namespace engine
