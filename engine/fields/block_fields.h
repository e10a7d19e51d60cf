// Text fields rendered as blocks of the library page: a heading bar, or a row
// that asks the program to open another document when clicked.
//
// Both are table rows left open for the template's own table. Styles come
// from the first standard page of `data`; a tree without one, or with fewer
// blocks and items than the styles need, renders without those declarations.
// A link row asks to open its document only on the screen.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/render_context.h"

namespace engine {

struct document_data;
struct expr_token;

struct block_field {
    std::wstring html;
    // True when `html` is a block: the reference's letter case must not be
    // copied onto it, as that would change markup and the posted name.
    bool is_block = false;
};

// "heading" / "заголовок" and "filelink" / "ссылка" among `modifiers` (the
// last one wins) make a block of `value`, which is the field's value as
// already escaped for HTML; otherwise the value comes back as it is.
block_field render_block_field(const render_context& context, std::wstring value,
                               const std::vector<expr_token>& modifiers);

std::wstring heading_block_html(const document_data* data, const std::wstring& value);
std::wstring file_link_html(const document_data* data, const std::wstring& value,
                            render_target target);

// The script string literal (without quotes) that posts the linked document's
// name: the value with its HTML escaping undone and its blanks joined by "|",
// every character that could end the string or the attribute written as \uXXXX.
std::wstring link_message(const std::wstring& value);

}  // namespace engine
