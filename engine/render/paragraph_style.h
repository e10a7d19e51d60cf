// Paragraph and font styles of a block, a paragraph run or a legacy page.
//
// Each operation answers HTML text and leaves what it wrote in the render
// context's style texts (`font_face`, `font_size_text`, `font_weight_text`,
// `font_style_text`, `line_height_text`, `first_indent_text`, `align_text`),
// which the list layouts and the table builders read afterwards. A record
// missing from a damaged tree styles as an empty record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/document/document_data.h"
#include "engine/fields/render_context.h"

namespace engine {

// The style record of a unit: item >= 0 an item of block `element`; item -1
// the block itself, or the page's own record when `element` is -1; item -2
// the record of the page whose index is `element`. Null when the tree has no
// such record.
const doc_record* find_style_record(const document_data& data, int page, int element, int item);
// As above, an empty record in place of a missing one.
const doc_record& style_record(const document_data* data, int page, int element, int item);

// "text-align:…;" of a stored alignment (1 centre, 2 right, 3 justify).
std::wstring alignment_text(std::uint16_t alignment);

// "style=\"…\">" and the opening font tags of a block (item -1) or an item.
std::wstring paragraph_style(render_context& context, int page, int element, int item);
// The same for a legacy page's own record.
std::wstring legacy_paragraph_style(render_context& context, int page);
// Face, size, bold and italic tags of a unit, and their closing tags.
std::wstring font_open_tags(render_context& context, int page, int element, int item);
std::wstring font_close_tags(const document_data* data, int page, int element, int item);

}  // namespace engine
