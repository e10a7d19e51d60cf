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

}  // namespace
