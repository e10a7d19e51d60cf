#include "core/formatting_cache.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using core::ParagraphSetting;
using engine::doc_node;

engine::doc_group& add_group(doc_node& node, std::uint16_t kind) {
    node.groups.emplace_back().record.a = kind;
    node.group_count = std::int32_t(node.groups.size());
    return node.groups.back();
}

engine::doc_element& add_element(engine::doc_group& group) {
    group.elements.emplace_back();
    group.element_count = std::int32_t(group.elements.size());
    return group.elements.back();
}

engine::doc_record& add_item(engine::doc_element& element) {
    element.items.emplace_back();
    element.item_count = std::uint16_t(element.items.size());
    return element.items.back();
}

TEST(FormattingCache, ReadsTheFirstStandardPageAndPageSetup) {
    doc_node page_setup, pages;
    page_setup.record.c = 1;
    add_group(page_setup, 0).record.v = {297, 0, 20, 15, 25, 30};
    add_group(pages, 0);
    auto& body = add_group(pages, 1);
    auto& block0 = add_element(body);
    block0.record.v = {16, 0, 700, 1, 3, 0};
    auto& p0 = add_item(block0);
    p0.s3 = L"Liberation Serif";
    p0.v = {12, 0, 0, 1, 2, 0};
    p0.d2 = 12.75;
    add_item(block0).v[4] = 6;
    add_element(body).record.v[4] = 9;

    const auto cache = core::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.format_page, 1);
    EXPECT_EQ(cache.font_family, L"Liberation Serif");
    EXPECT_EQ(cache.heading_size_delta, 4.0f);
    EXPECT_TRUE(cache.bold_numbering);
    EXPECT_EQ(cache.first_line_indent, 12.75f);
    EXPECT_EQ(cache.body_top_padding, 6);     // from the second paragraph
    EXPECT_EQ(cache.heading_top_padding, 9);  // from the second block
    EXPECT_EQ(cache.margin_left, 30);
    EXPECT_EQ(cache.margin_bottom, 20);
}

TEST(FormattingCache, MissingPagesBlocksAndParagraphsLeaveZeros) {
    doc_node page_setup, pages;
    auto& cover = add_group(pages, 0);
    cover.record.s3 = L"Cover Face";
    cover.record.v[0] = 14;
    add_group(page_setup, 0).record.v = {297, 0, 20, 15, 25, 30};
    auto cache = core::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.format_page, -1);  // no standard page: the first page gives the font
    EXPECT_EQ(cache.font_family, L"Cover Face");
    EXPECT_EQ(cache.body_font_size, 14.0f);
    EXPECT_EQ(cache.margin_left, 30);  // the margins are this document's all the same
    EXPECT_EQ(cache.margin_bottom, 20);
    page_setup.groups.clear();
    page_setup.group_count = 0;

    // Counts that claim more than is there.
    auto& body = add_group(pages, 1);
    add_element(body).record.v = {14, 0, 0, 3, 8, 0};
    body.element_count = 5;
    body.elements[0].item_count = 4;
    cache = core::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.format_page, 1);
    EXPECT_EQ(cache.body_font_size, 0.0f);
    EXPECT_EQ(cache.heading_size_delta, 14.0f);
    EXPECT_EQ(cache.heading_top_padding, 8);
    EXPECT_EQ(cache.body_top_padding, 0);
    EXPECT_EQ(cache.margin_left, 0);
}

TEST(FontSettings, FormatPageGetsTheFontsWithinTheFieldAndOtherPagesOnlyTheirRecords) {
    doc_node pages;
    add_item(add_element(add_group(pages, 0))).v[0] = 20;
    auto& body = add_group(pages, 1);
    add_item(add_element(body));
    core::formatting_cache cache;
    cache.format_page = 1;
    cache.font_family = L"Serif";
    cache.body_font_size = 11.0f;
    cache.heading_size_delta = -2.0f;
    cache.bold_headings = true;
    core::apply_font_settings(cache, pages);
    EXPECT_EQ(pages.groups[0].record.s3, L"Serif");
    EXPECT_EQ(pages.groups[0].record.v[0], 11);
    EXPECT_EQ(pages.groups[0].elements[0].items[0].v[0], 20);
    EXPECT_EQ(body.elements[0].record.v[0], 9);
    EXPECT_EQ(body.elements[0].record.v[2], 700);
    EXPECT_EQ(body.elements[0].items[0].v[0], 11);

    // A negative heading size and a huge body size stay within the 16-bit field.
    cache.body_font_size = 2.5f;
    cache.heading_size_delta = -3.0f;
    core::apply_font_settings(cache, pages);
    EXPECT_EQ(body.elements[0].record.v[0], 1);
    EXPECT_EQ(body.elements[0].items[0].v[0], 2);
    cache.body_font_size = 1e9f;
    core::apply_font_settings(cache, pages);
    EXPECT_EQ(pages.groups[0].record.v[0], 65535);
}

// A cover page, the format page with two blocks of two paragraphs, and a
// second standard page.
struct ParagraphTree {
    ParagraphTree() {
        add_item(add_element(add_group(pages, 0)));
        auto& body = add_group(pages, 1);
        for (int b = 0; b < 2; ++b) {
            auto& block = add_element(body);
            add_item(block);
            add_item(block);
        }
        add_item(add_element(add_group(pages, 1)));
        cache.format_page = 1;
    }
    engine::doc_record& block(std::size_t b) { return pages.groups[1].elements[b].record; }
    engine::doc_record& paragraph(std::size_t b, std::size_t p) {
        return pages.groups[1].elements[b].items[p];
    }
    // Every record outside the format page is as built.
    bool others_untouched() const {
        for (std::size_t g : {0u, 2u}) {
            const auto& element = pages.groups[g].elements[0];
            if (element.record.v[4] || element.record.d2 || element.items[0].c ||
                element.items[0].v[4] || element.items[0].d2)
                return false;
        }
        return true;
    }

    doc_node pages;
    core::formatting_cache cache;
};

TEST(ParagraphSettings, EachSettingWritesTheFormatPageAndLineSpacingAlsoEveryPageRecord) {
    ParagraphTree tree;
    tree.cache.heading_top_padding = 7;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::heading_top_padding);
    EXPECT_EQ(tree.block(0).v[4], 0);  // nothing above the first heading
    EXPECT_EQ(tree.block(1).v[4], 7);

    tree.cache.first_line_indent = 10;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::first_line_indent);
    EXPECT_EQ(tree.block(1).d2, 10.0);
    EXPECT_EQ(tree.paragraph(1, 1).d2, 10.0);

    tree.cache.body_top_padding = 5;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::body_top_padding);
    EXPECT_EQ(tree.paragraph(0, 0).v[4], 5);
    EXPECT_EQ(tree.block(0).v[4], 0);

    tree.cache.line_spacing = 4;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::line_spacing);
    for (std::size_t g = 0; g < 3; ++g) EXPECT_EQ(tree.pages.groups[g].record.c, 4);
    EXPECT_EQ(tree.paragraph(1, 0).c, 4);
    EXPECT_EQ(tree.block(1).c, 0);
    EXPECT_TRUE(tree.others_untouched());

    // An indent read from a file is written within its slider's range.
    for (auto [indent, stored] :
         {std::pair{1e30f, 30.0}, {-4.0f, 0.0}, {std::numeric_limits<float>::quiet_NaN(), 0.0}}) {
        tree.cache.first_line_indent = indent;
        core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::first_line_indent);
        EXPECT_EQ(tree.paragraph(0, 0).d2, stored);
    }
}

TEST(ParagraphSettings, WithoutAStandardPageOnlyThePageRecordsTakeTheLineSpacing) {
    ParagraphTree tree;
    tree.cache.format_page = -1;
    tree.cache.line_spacing = 6;
    tree.cache.body_top_padding = 9;
    tree.cache.justify_body = 1;
    for (auto setting : {ParagraphSetting::line_spacing, ParagraphSetting::body_top_padding,
                         ParagraphSetting::justify_body}) {
        core::apply_paragraph_settings(tree.cache, tree.pages, setting);
    }
    EXPECT_EQ(tree.pages.groups[1].record.c, 6);
    EXPECT_EQ(tree.paragraph(0, 0).c, 0);
    EXPECT_EQ(tree.paragraph(0, 0).v[4], 0);
    EXPECT_EQ(tree.paragraph(0, 0).v[3], 0);
}

TEST(ParagraphSettings, ASettingKeepsTheTemplatesOtherChoicesAndAlignmentsItDoesNotSwitch) {
    ParagraphTree tree;
    tree.block(0).v[3] = 1;         // a centred title block
    tree.block(1).v[3] = 2;         // a right-aligned heading
    tree.paragraph(0, 0).d2 = 10;   // the opening paragraph's own indent
    tree.paragraph(0, 1).v[3] = 2;  // a right-aligned date line
    tree.paragraph(1, 0).v[3] = 1;  // a centred paragraph
    tree.cache.line_spacing = 3;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::line_spacing);
    EXPECT_EQ(tree.paragraph(0, 0).d2, 10.0);
    EXPECT_EQ(tree.block(0).v[3], 1);
    EXPECT_EQ(tree.paragraph(0, 1).v[3], 2);

    tree.cache.justify_body = 1;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::justify_body);
    EXPECT_EQ(tree.paragraph(0, 0).v[3], 3);
    EXPECT_EQ(tree.paragraph(0, 1).v[3], 2);
    EXPECT_EQ(tree.paragraph(1, 0).v[3], 1);
    EXPECT_EQ(tree.block(0).v[3], 1);  // headings are not body text
    tree.cache.justify_body = 0;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::justify_body);
    EXPECT_EQ(tree.paragraph(0, 0).v[3], 0);

    tree.cache.center_headings = 0;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::center_headings);
    EXPECT_EQ(tree.block(0).v[3], 0);
    EXPECT_EQ(tree.block(1).v[3], 2);
    EXPECT_EQ(tree.paragraph(1, 0).v[3], 1);  // paragraphs are not headings
    tree.cache.center_headings = 1;
    core::apply_paragraph_settings(tree.cache, tree.pages, ParagraphSetting::center_headings);
    EXPECT_EQ(tree.block(0).v[3], 1);
}

}  // namespace
