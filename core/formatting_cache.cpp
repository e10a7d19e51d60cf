#include "core/formatting_cache.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

constexpr double max_first_line_indent = 30.0;  // mm, the slider's maximum
// Alignment codes the renderer reads; 0 is left.
constexpr std::uint16_t centred = 1, justified = 3;

const engine::doc_element* element_at(const engine::doc_group& group, std::size_t index) {
    return index < engine::element_count_of(group) ? &group.elements[index] : nullptr;
}

const engine::doc_record* item_at(const engine::doc_element* element, std::size_t index) {
    if (!element || index >= engine::item_count_of(*element)) return nullptr;
    return &element->items[index];
}

// A size as the 16-bit field holds it; a negative or huge float would make
// the conversion undefined.
std::uint16_t stored_size(float points) {
    if (!(points >= 1.0f)) return 1;
    if (points >= 65535.0f) return 65535;
    return static_cast<std::uint16_t>(std::trunc(points));
}

// A stored double as a float; one beyond the float range would make the
// conversion undefined, so it becomes the infinity of its sign.
float as_float(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest) return std::numeric_limits<float>::infinity();
    if (value < -largest) return -std::numeric_limits<float>::infinity();
    return float(value);
}

// A cache number as a 16-bit field holds it.
std::uint16_t stored_u16(std::int32_t value) {
    return static_cast<std::uint16_t>(std::clamp<std::int32_t>(value, 0, 65535));
}

// The indent as its slider holds it; the renderer writes it into the page.
double stored_indent(float mm) {
    if (!(mm > 0.0f)) return 0.0;
    return std::fmin(double(mm), max_first_line_indent);
}

// Switches an alignment between left (0) and `other`; any third one stays.
void switch_alignment(std::uint16_t& alignment, std::uint16_t other, bool on) {
    if (alignment == 0 || alignment == other) alignment = on ? other : 0;
}

// Calls `block` with each block record of the format page and its index,
// and `paragraph` with each of its paragraph records.
template <class Block, class Paragraph>
void for_format_page(const formatting_cache& cache, engine::doc_node& pages, Block block,
                     Paragraph paragraph) {
    const std::size_t page_count = engine::group_count_of(pages);
    if (cache.format_page < 0 || std::size_t(cache.format_page) >= page_count) return;
    engine::doc_group& page = pages.groups[std::size_t(cache.format_page)];
    const std::size_t block_count = engine::element_count_of(page);
    for (std::size_t e = 0; e < block_count; ++e) {
        block(page.elements[e].record, e);
        const std::size_t item_count = engine::item_count_of(page.elements[e]);
        for (std::size_t i = 0; i < item_count; ++i) paragraph(page.elements[e].items[i]);
    }
}

}  // namespace

formatting_cache read_formatting(const engine::doc_node& page_setup,
                                 const engine::doc_node& pages) {
    formatting_cache cache;
    if (engine::group_count_of(page_setup) > 0) {
        const engine::doc_record& page = page_setup.groups[0].record;
        cache.margin_left = page.v[5];
        cache.margin_top = page.v[4];
        cache.margin_right = page.v[3];
        cache.margin_bottom = page.v[2];
    }

    const std::size_t page_count = engine::group_count_of(pages);
    const engine::doc_group* body = nullptr;
    for (std::size_t g = 0; g < page_count; ++g) {
        if (pages.groups[g].record.a == 1) {
            body = &pages.groups[g];
            cache.format_page = std::int32_t(g);
            break;
        }
    }
    if (!body) {
        cache.format_page = -1;
        if (page_count > 0) {
            const engine::doc_record& first = pages.groups[0].record;
            cache.font_family = first.s3;
            cache.body_font_size = float(first.v[0]);
            cache.line_spacing = first.c;
        }
        return cache;
    }

    const engine::doc_record& root = page_setup.record;
    cache.bold_numbering = root.c != 0;
    cache.hanging_indent = root.v[1] != 0;

    const engine::doc_element* block0 = element_at(*body, 0);
    const engine::doc_element* block1 = element_at(*body, 1);
    const engine::doc_record* para0 = item_at(block0, 0);
    const engine::doc_record* para1 = item_at(block0, 1);
    if (para0) {
        cache.font_family = para0->s3;
        cache.body_font_size = float(para0->v[0]);
        cache.first_line_indent = as_float(para0->d2);
        cache.justify_body = para0->v[3];
        cache.line_spacing = para0->c;
    }
    if (const engine::doc_record* above = para1 ? para1 : para0)
        cache.body_top_padding = above->v[4];
    if (block0) {
        cache.heading_size_delta = float(block0->record.v[0]) - cache.body_font_size;
        cache.bold_headings = block0->record.v[2] != 0;
        cache.center_headings = block0->record.v[3];
        cache.heading_top_padding = (block1 ? block1 : block0)->record.v[4];
    }
    return cache;
}

void apply_font_settings(const formatting_cache& cache, engine::doc_node& pages) {
    const std::size_t page_count = engine::group_count_of(pages);
    const std::uint16_t body_size = stored_size(cache.body_font_size);
    for (std::size_t g = 0; g < page_count; ++g) {
        pages.groups[g].record.s3 = cache.font_family;
        pages.groups[g].record.v[0] = body_size;
    }
    if (cache.format_page < 0 || std::size_t(cache.format_page) >= page_count) return;
    engine::doc_group& page = pages.groups[std::size_t(cache.format_page)];
    const std::uint16_t heading_size = stored_size(cache.body_font_size + cache.heading_size_delta);
    const std::size_t block_count = engine::element_count_of(page);
    for (std::size_t e = 0; e < block_count; ++e) {
        engine::doc_element& block = page.elements[e];
        block.record.s3 = cache.font_family;
        block.record.v[0] = heading_size;
        block.record.v[2] = cache.bold_headings ? 700 : 0;
        const std::size_t item_count = engine::item_count_of(block);
        for (std::size_t i = 0; i < item_count; ++i) {
            block.items[i].s3 = cache.font_family;
            block.items[i].v[0] = body_size;
        }
    }
}

void apply_paragraph_settings(const formatting_cache& cache, engine::doc_node& pages,
                              ParagraphSetting setting) {
    const auto no_block = [](engine::doc_record&, std::size_t) {};
    const auto no_paragraph = [](engine::doc_record&) {};
    switch (setting) {
        case ParagraphSetting::first_line_indent: {
            const double indent = stored_indent(cache.first_line_indent);
            const auto write = [indent](engine::doc_record& record) { record.d2 = indent; };
            for_format_page(
                cache, pages, [&](engine::doc_record& block, std::size_t) { write(block); }, write);
            break;
        }
        case ParagraphSetting::body_top_padding: {
            const std::uint16_t padding = stored_u16(cache.body_top_padding);
            for_format_page(cache, pages, no_block,
                            [padding](engine::doc_record& paragraph) { paragraph.v[4] = padding; });
            break;
        }
        case ParagraphSetting::line_spacing: {
            const std::uint16_t spacing = stored_u16(cache.line_spacing);
            const std::size_t page_count = engine::group_count_of(pages);
            for (std::size_t g = 0; g < page_count; ++g) pages.groups[g].record.c = spacing;
            for_format_page(cache, pages, no_block,
                            [spacing](engine::doc_record& paragraph) { paragraph.c = spacing; });
            break;
        }
        case ParagraphSetting::heading_top_padding: {
            const std::uint16_t padding = stored_u16(cache.heading_top_padding);
            // Nothing above the page's first heading.
            for_format_page(
                cache, pages,
                [padding](engine::doc_record& block, std::size_t index) {
                    block.v[4] = index == 0 ? 0 : padding;
                },
                no_paragraph);
            break;
        }
        case ParagraphSetting::justify_body: {
            const bool on = cache.justify_body != 0;
            for_format_page(cache, pages, no_block, [on](engine::doc_record& paragraph) {
                switch_alignment(paragraph.v[3], justified, on);
            });
            break;
        }
        case ParagraphSetting::center_headings: {
            const bool on = cache.center_headings != 0;
            for_format_page(
                cache, pages,
                [on](engine::doc_record& block, std::size_t) {
                    switch_alignment(block.v[3], centred, on);
                },
                no_paragraph);
            break;
        }
    }
}

}  // namespace core
