#include "app/formatting_cache.h"

#include <gtest/gtest.h>

namespace {

using engine::doc_element;
using engine::doc_group;
using engine::doc_node;
using engine::doc_record;

doc_group& add_group(doc_node& node, std::uint16_t kind) {
    node.groups.emplace_back();
    node.groups.back().record.a = kind;
    node.group_count = std::int32_t(node.groups.size());
    return node.groups.back();
}

doc_element& add_element(doc_group& group) {
    group.elements.emplace_back();
    group.element_count = std::int32_t(group.elements.size());
    return group.elements.back();
}

doc_record& add_item(doc_element& element) {
    element.items.emplace_back();
    element.item_count = std::uint16_t(element.items.size());
    return element.items.back();
}

void add_margins(doc_node& page_setup) {
    add_group(page_setup, 0).record.v = {297, 0, 20, 15, 25, 30};
}

TEST(FormattingCache, ReadsTheFirstStandardPageAndPageSetup) {
    doc_node page_setup, pages;
    page_setup.record.c = 1;
    page_setup.record.v[1] = 0;
    add_margins(page_setup);
    add_group(pages, 0);
    auto& body = add_group(pages, 1);
    add_element(body);
    add_element(body).record.v[4] = 9;
    auto& block0 = body.elements[0];
    block0.record.v = {16, 0, 700, 1, 3, 0};
    add_item(block0);
    add_item(block0).v[4] = 6;
    auto& p0 = block0.items[0];
    p0.s3 = L"Liberation Serif";
    p0.v = {12, 0, 0, 1, 2, 0};
    p0.c = 5;
    p0.d2 = 12.75;

    const auto cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.format_page, 1);
    EXPECT_EQ(cache.font_family, L"Liberation Serif");
    EXPECT_EQ(cache.body_font_size, 12.0f);
    EXPECT_EQ(cache.heading_size_delta, 4.0f);
    EXPECT_TRUE(cache.bold_numbering);
    EXPECT_FALSE(cache.hanging_indent);
    EXPECT_TRUE(cache.bold_headings);
    EXPECT_EQ(cache.first_line_indent, 12.75f);
    EXPECT_EQ(cache.body_top_padding, 6);  // from the second paragraph
    EXPECT_EQ(cache.justify_body, 1);
    EXPECT_EQ(cache.line_spacing, 5);
    EXPECT_EQ(cache.heading_top_padding, 9);  // from the second block
    EXPECT_EQ(cache.center_headings, 1);
    EXPECT_EQ(cache.margin_left, 30);
    EXPECT_EQ(cache.margin_top, 25);
    EXPECT_EQ(cache.margin_right, 15);
    EXPECT_EQ(cache.margin_bottom, 20);
}

TEST(FormattingCache, WithoutAStandardPageTheFirstPageGivesTheFontAndTheRestIsZero) {
    doc_node page_setup, pages;
    add_margins(page_setup);
    page_setup.record.c = 1;
    auto& cover = add_group(pages, 0);
    cover.record.s3 = L"Cover Face";
    cover.record.v[0] = 14;
    cover.record.c = 3;
    add_group(pages, 2);

    const auto cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.format_page, -1);
    EXPECT_EQ(cache.font_family, L"Cover Face");
    EXPECT_EQ(cache.body_font_size, 14.0f);
    EXPECT_EQ(cache.line_spacing, 3);
    EXPECT_FALSE(cache.bold_numbering);
    EXPECT_EQ(cache.heading_size_delta, 0.0f);
    // The margins of this document, not of the one before.
    EXPECT_EQ(cache.margin_left, 30);
    EXPECT_EQ(cache.margin_bottom, 20);
}

TEST(FormattingCache, MissingBlocksAndParagraphsLeaveZeros) {
    doc_node page_setup, pages;
    auto& body = add_group(pages, 1);
    // Counts that claim more than is there.
    auto& block = add_element(body);
    body.element_count = 5;
    block.record.v = {14, 0, 0, 3, 8, 0};
    block.item_count = 4;

    auto cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.format_page, 0);
    EXPECT_EQ(cache.body_font_size, 0.0f);
    EXPECT_EQ(cache.heading_size_delta, 14.0f);
    EXPECT_EQ(cache.heading_top_padding, 8);
    EXPECT_EQ(cache.body_top_padding, 0);
    EXPECT_EQ(cache.margin_left, 0);

    // One paragraph only: the space above comes from it.
    block.item_count = 0;
    add_item(block).v[4] = 11;
    cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.body_top_padding, 11);

    doc_node empty_pages;
    add_group(empty_pages, 1);
    cache = app::read_formatting(page_setup, empty_pages);
    EXPECT_EQ(cache.format_page, 0);
    EXPECT_EQ(cache.heading_size_delta, 0.0f);
}

TEST(FontSettings, FormatPageGetsTheFontsAndOtherPagesOnlyTheirRecords) {
    doc_node pages;
    auto& cover = add_group(pages, 0);
    auto& cover_block = add_element(cover);
    cover_block.record.v[0] = 20;
    add_item(cover_block).v[0] = 20;
    for (int page = 0; page < 2; ++page) {
        auto& body = add_group(pages, 1);
        for (int b = 0; b < 2; ++b) {
            auto& block = add_element(body);
            add_item(block);
            add_item(block);
        }
    }
    app::formatting_cache cache;
    cache.format_page = 1;
    cache.font_family = L"Serif";
    cache.body_font_size = 11.0f;
    cache.heading_size_delta = -2.0f;
    cache.bold_headings = true;
    app::apply_font_settings(cache, pages);

    for (const auto& page : pages.groups) {
        EXPECT_EQ(page.record.s3, L"Serif");
        EXPECT_EQ(page.record.v[0], 11);
    }
    EXPECT_EQ(pages.groups[0].elements[0].record.v[0], 20);
    EXPECT_EQ(pages.groups[0].elements[0].items[0].v[0], 20);
    for (const auto& block : pages.groups[1].elements) {
        EXPECT_EQ(block.record.v[0], 9);
        EXPECT_EQ(block.record.v[2], 700);
        EXPECT_EQ(block.record.s3, L"Serif");
        for (const auto& item : block.items) {
            EXPECT_EQ(item.v[0], 11);
            EXPECT_EQ(item.v[2], 0);
        }
    }
    // The second standard page keeps its own blocks.
    EXPECT_EQ(pages.groups[2].elements[0].record.v[0], 0);

    cache.bold_headings = false;
    app::apply_font_settings(cache, pages);
    EXPECT_EQ(pages.groups[1].elements[1].record.v[2], 0);
}

TEST(FontSettings, SizesOutsideTheFieldAreKeptWithinIt) {
    doc_node pages;
    auto& body = add_group(pages, 1);
    add_item(add_element(body));
    app::formatting_cache cache;
    cache.body_font_size = 2.5f;
    cache.heading_size_delta = -3.0f;  // a negative heading size
    app::apply_font_settings(cache, pages);
    EXPECT_EQ(body.elements[0].record.v[0], 1);
    EXPECT_EQ(body.elements[0].items[0].v[0], 2);

    cache.body_font_size = 1e9f;
    app::apply_font_settings(cache, pages);
    EXPECT_EQ(pages.groups[0].record.v[0], 65535);

    cache.format_page = -1;
    cache.body_font_size = 12.0f;
    app::apply_font_settings(cache, pages);
    EXPECT_EQ(pages.groups[0].record.v[0], 12);
    EXPECT_EQ(body.elements[0].items[0].v[0], 65535);  // no format page: only page records
}

}  // namespace
