// The font, paragraph and margin values of the open document that the
// settings rows show and edit: loaded when a document opens, written back
// into the tree by the apply routines. The session owns one; UI thread only.
#pragma once

#include <cstdint>
#include <string>

#include "engine/document/doc_model.h"

namespace core {

struct formatting_cache {
    // Index of the first standard page (kind 1); -1 when there is none.
    std::int32_t format_page = 0;
    std::wstring font_family;
    float body_font_size = 0;      // points
    float heading_size_delta = 0;  // heading size minus body size, points
    bool bold_numbering = false;
    bool bold_headings = false;
    float first_line_indent = 0;  // mm
    bool hanging_indent = false;
    std::int32_t body_top_padding = 0;  // mm
    std::int32_t justify_body = 0;
    std::int32_t line_spacing = 0;         // points, 0 for the default
    std::int32_t heading_top_padding = 0;  // mm
    std::int32_t center_headings = 0;
    std::int32_t margin_left = 0;  // mm, each
    std::int32_t margin_top = 0;
    std::int32_t margin_right = 0;
    std::int32_t margin_bottom = 0;
};

// Reads the cache from a document. The margins always come from the page
// setup. Without a standard page, the font family, body size and line
// spacing come from the first page record and the rest is 0; a block or
// paragraph that is missing leaves its values 0 or empty.
formatting_cache read_formatting(const engine::doc_node& page_setup, const engine::doc_node& pages);

// Writes the font part of the cache into the pages: every page record gets
// the family and body size; the blocks and paragraphs of the format page get
// the family, their sizes and the heading weight. Sizes are kept within
// 1 to 65535 points before they are stored.
void apply_font_settings(const formatting_cache& cache, engine::doc_node& pages);

// The paragraph settings, each written on its own.
enum class ParagraphSetting {
    first_line_indent,    // d2 of the format page's blocks and paragraphs
    body_top_padding,     // v[4] of its paragraphs
    line_spacing,         // c of every page record and of its paragraphs
    heading_top_padding,  // v[4] of its blocks; the first block gets 0
    justify_body,         // its paragraphs aligned left (0) or justified (3)
    center_headings,      // its blocks aligned left (0) or centred (1)
};

// Writes one paragraph setting of the cache into the pages and nothing
// else, so a template's own choices survive a change of another setting.
// Alignment switches only between left and the setting's alignment: a
// right-aligned date line stays right-aligned. The indent is kept within 0
// to 30 mm, as its slider holds it.
void apply_paragraph_settings(const formatting_cache& cache, engine::doc_node& pages,
                              ParagraphSetting setting);

}  // namespace core
