#include "ui/editing/field_conditions.h"

#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"

namespace {

class FieldConditions : public engine::testing::parameter_document {
protected:
    std::uint16_t hidden(std::size_t section, std::size_t field) {
        return doc.data->parameters.groups[section].elements[field].record.c;
    }
};

TEST_F(FieldConditions, AFieldIsHiddenExactlyWhileItsConditionHolds) {
    add_field(L"Delivery", L"Buyer collects");
    add_field(L"Address", L"").s5 = L"Delivery = \"Buyer collects\"";
    add_field(L"Kept odd", L"").c = 7;  // no condition: its flag stays
    EXPECT_TRUE(ui::reevaluate_field_conditions(doc, view, 0));
    EXPECT_EQ(hidden(0, 1), 1);
    EXPECT_EQ(hidden(0, 2), 7);
    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, view, 0));  // nothing changed the second time

    doc.data->parameters.groups[0].elements[0].record.s2 = L"Seller delivers";
    EXPECT_TRUE(ui::reevaluate_field_conditions(doc, view, 0));
    EXPECT_EQ(hidden(0, 1), 0);
}

TEST_F(FieldConditions, OnlyAChangeInThePassedSectionCountsButEveryChangeIsStored) {
    add_field(L"Kind", L"mutual", 0);
    add_field(L"Other", L"", 1);
    add_field(L"Party", L"", 2).s5 = L"Kind = \"mutual\"";
    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, view, 0));
    EXPECT_EQ(hidden(2, 0), 1);

    doc.data->parameters.groups[0].elements[0].record.s2 = L"one-way";
    for (int outside : {5, -1}) EXPECT_FALSE(ui::reevaluate_field_conditions(doc, view, outside));
    EXPECT_EQ(hidden(2, 0), 0);
}

}  // namespace
