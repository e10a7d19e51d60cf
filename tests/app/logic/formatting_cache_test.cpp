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

TEST(FormattingCache, WithoutAStandardPageOnlyTheIndexIsSet) {
    doc_node page_setup, pages;
    add_group(pages, 0);
    add_group(pages, 2);
    const auto cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.body_group, -1);
    EXPECT_EQ(cache.font_family, L"");
}

TEST(FormattingCache, ReadsTheFirstStandardPageAndPageSetup) {
    doc_node page_setup, pages;
    page_setup.record.c = 1;
    page_setup.record.v[1] = 0;
    auto& setup = add_group(page_setup, 0);
    setup.record.v = {0, 0, 20, 15, 25, 30};
    add_group(pages, 0);
    auto& body = add_group(pages, 1);
    add_element(body);
    add_element(body);
    auto& e0 = body.elements[0];
    e0.record.v = {16, 0, 1, 7, 3, 0};
    body.elements[1].record.v[4] = 9;
    add_item(e0);
    add_item(e0);
    auto& i0 = e0.items[0];
    auto& i1 = e0.items[1];
    i0.s3 = L"Liberation Serif";
    i0.v = {12, 0, 0, 4, 2, 0};
    i0.c = 5;
    i0.d2 = 1.5;
    i1.v[4] = 6;

    const auto cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.body_group, 1);
    EXPECT_EQ(cache.font_family, L"Liberation Serif");
    EXPECT_EQ(cache.font_size, 12);
    EXPECT_EQ(cache.heading_size_step, 4);
    EXPECT_TRUE(cache.document_flag_1);
    EXPECT_TRUE(cache.bold);
    EXPECT_EQ(cache.line_spacing, 1.5f);
    EXPECT_FALSE(cache.document_flag_2);
    EXPECT_EQ(cache.paragraph_values, (std::array<std::uint32_t, 6>{6, 4, 5, 9, 2, 7}));
    EXPECT_EQ(cache.page_values, (std::array<std::uint32_t, 4>{30, 25, 15, 20}));
}

TEST(FormattingCache, SparseTreesReadOnlyWhatExists) {
    doc_node page_setup, pages;
    auto& body = add_group(pages, 1);
    // Counts that claim more than is there.
    body.element_count = 5;
    auto& e0 = add_element(body);
    body.element_count = 5;
    e0.record.v = {14, 0, 0, 3, 8, 0};
    e0.item_count = 4;

    auto cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.body_group, 0);
    EXPECT_EQ(cache.font_size, 0);
    EXPECT_EQ(cache.heading_size_step, 14);
    EXPECT_EQ(cache.paragraph_values, (std::array<std::uint32_t, 6>{0, 0, 0, 8, 0, 3}));
    EXPECT_EQ(cache.page_values, (std::array<std::uint32_t, 4>{}));

    // One paragraph only: the space above comes from it.
    e0.item_count = 0;
    add_item(e0).v[4] = 11;
    cache = app::read_formatting(page_setup, pages);
    EXPECT_EQ(cache.paragraph_values[0], 11u);
    EXPECT_EQ(cache.paragraph_values[4], 11u);

    doc_node empty_pages;
    add_group(empty_pages, 1);
    cache = app::read_formatting(page_setup, empty_pages);
    EXPECT_EQ(cache.body_group, 0);
    EXPECT_EQ(cache.heading_size_step, 0);
}

}  // namespace
