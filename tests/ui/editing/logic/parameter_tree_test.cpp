#include "ui/editing/parameter_tree.h"

#include <gtest/gtest.h>

namespace {

engine::doc_element field_with_options(std::size_t options) {
    engine::doc_element field;
    field.items.resize(options);
    field.item_count = std::uint16_t(options);
    return field;
}

TEST(ParameterTree, LookupsOutsideTheCountsGiveNull) {
    engine::document_data data(L"");
    EXPECT_EQ(ui::section_at(&data, 0), nullptr);
    EXPECT_EQ(ui::section_at(nullptr, 0), nullptr);
    EXPECT_EQ(ui::section_count(nullptr), 0u);

    data.parameters.groups.resize(2);
    data.parameters.group_count = 2;
    data.parameters.groups[1].elements.resize(3);
    data.parameters.groups[1].element_count = 3;
    EXPECT_EQ(ui::section_at(&data, 1), &data.parameters.groups[1]);
    EXPECT_EQ(ui::section_at(&data, -1), nullptr);
    EXPECT_EQ(ui::section_at(&data, 2), nullptr);
    EXPECT_EQ(ui::field_at(&data, 1, 2), &data.parameters.groups[1].elements[2]);
    EXPECT_EQ(ui::field_at(&data, 1, 3), nullptr);
    EXPECT_EQ(ui::field_at(&data, 0, 0), nullptr);
    EXPECT_EQ(ui::field_at(&data, 1, -1), nullptr);
}

TEST(ParameterTree, DamagedCountsNeverReachPastTheArrays) {
    engine::document_data data(L"");
    data.parameters.groups.resize(1);
    data.parameters.group_count = 40;  // more than there are
    data.parameters.groups[0].elements.resize(1);
    data.parameters.groups[0].element_count = -3;
    EXPECT_EQ(ui::section_count(&data), 1u);
    EXPECT_EQ(ui::section_at(&data, 1), nullptr);
    EXPECT_EQ(ui::field_at(&data, 0, 0), nullptr);

    engine::doc_element field = field_with_options(2);
    field.item_count = 9;
    EXPECT_EQ(ui::option_count(field), 2u);
    EXPECT_EQ(ui::option_at(field, 1), &field.items[1]);
    EXPECT_EQ(ui::option_at(field, 2), nullptr);
    EXPECT_EQ(ui::option_at(field, -1), nullptr);
}

TEST(ParameterTree, IndexesBeyond255AreTheirOwnRecords) {
    engine::document_data data(L"");
    data.parameters.groups.resize(300);
    data.parameters.group_count = 300;
    data.parameters.groups[258].elements.resize(270);
    data.parameters.groups[258].element_count = 270;
    engine::doc_element* field = ui::field_at(&data, 258, 259);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field, &data.parameters.groups[258].elements[259]);
    engine::doc_element options = field_with_options(400);
    EXPECT_EQ(ui::option_at(options, 300), &options.items[300]);
}

TEST(ParameterTree, FlagsAndTypesReadTheirRecordFields) {
    engine::doc_element field;
    field.record.a = 7;
    field.record.c = 2;  // only 1 hides
    EXPECT_EQ(ui::type_of(field), ui::field_type::choice);
    EXPECT_FALSE(ui::is_hidden(field));
    field.record.c = 1;
    EXPECT_TRUE(ui::is_hidden(field));
    engine::doc_record option;
    option.b = 2;
    EXPECT_FALSE(ui::is_chosen(option));
}

TEST(ParameterTree, TheFirstStandardPageIsTheFirstOfKindOne) {
    engine::document_data data(L"");
    EXPECT_FALSE(ui::first_standard_page(&data));
    EXPECT_FALSE(ui::first_standard_page(nullptr));
    data.pages.groups.resize(3);
    data.pages.group_count = 3;
    data.pages.groups[0].record.a = 4;
    data.pages.groups[1].record.a = 1;
    data.pages.groups[2].record.a = 1;
    EXPECT_EQ(ui::first_standard_page(&data), 1);
    data.pages.group_count = 1;
    EXPECT_FALSE(ui::first_standard_page(&data));
    EXPECT_EQ(ui::page_at(&data, 1), nullptr);
}

}  // namespace
