#include "ui/editing/parameter_tree.h"

#include <gtest/gtest.h>

namespace {

TEST(ParameterTree, LookupsNeverReachPastTheCountsOrTheArrays) {
    EXPECT_EQ(ui::section_at(nullptr, 0), nullptr);
    EXPECT_EQ(ui::section_count(nullptr), 0u);
    engine::document_data data(L"");
    data.parameters.groups.resize(2);
    data.parameters.group_count = 40;  // more than there are
    data.parameters.groups[0].elements.resize(1);
    data.parameters.groups[0].element_count = -3;
    data.parameters.groups[1].elements.resize(3);
    data.parameters.groups[1].element_count = 3;
    EXPECT_EQ(ui::section_count(&data), 2u);
    EXPECT_EQ(ui::section_at(&data, 1), &data.parameters.groups[1]);
    for (int section : {-1, 2}) EXPECT_EQ(ui::section_at(&data, section), nullptr) << section;
    EXPECT_EQ(ui::field_at(&data, 1, 2), &data.parameters.groups[1].elements[2]);
    for (int field : {-1, 3}) EXPECT_EQ(ui::field_at(&data, 1, field), nullptr) << field;
    EXPECT_EQ(ui::field_at(&data, 0, 0), nullptr);

    engine::doc_element field;
    field.items.resize(2);
    field.item_count = 9;
    EXPECT_EQ(ui::option_count(field), 2u);
    EXPECT_EQ(ui::option_at(field, 1), &field.items[1]);
    for (int option : {-1, 2}) EXPECT_EQ(ui::option_at(field, option), nullptr) << option;
}

}  // namespace
