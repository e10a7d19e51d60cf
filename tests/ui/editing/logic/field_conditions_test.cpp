#include "ui/editing/field_conditions.h"

#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"

namespace {

class FieldConditions : public engine::testing::parameter_document {};

TEST_F(FieldConditions, AFieldIsHiddenExactlyWhileItsConditionHolds) {
    add_field(L"Delivery", L"Buyer collects");
    engine::doc_record& address = add_field(L"Address", L"");
    address.s5 = L"Delivery = \"Buyer collects\"";

    EXPECT_TRUE(ui::reevaluate_field_conditions(doc, 0));
    EXPECT_EQ(doc.data->parameters.groups[0].elements[1].record.c, 1);
    // Nothing changed the second time.
    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, 0));

    doc.data->parameters.groups[0].elements[0].record.s2 = L"Seller delivers";
    EXPECT_TRUE(ui::reevaluate_field_conditions(doc, 0));
    EXPECT_EQ(doc.data->parameters.groups[0].elements[1].record.c, 0);
}

TEST_F(FieldConditions, OnlyAChangeInThePassedSectionCountsButEveryChangeIsStored) {
    add_field(L"Kind", L"mutual", 0);
    add_field(L"Other", L"", 1);
    add_field(L"Party", L"", 2).s5 = L"Kind = \"mutual\"";

    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, 0));
    EXPECT_EQ(doc.data->parameters.groups[2].elements[0].record.c, 1);

    doc.data->parameters.groups[0].elements[0].record.s2 = L"one-way";
    EXPECT_TRUE(ui::reevaluate_field_conditions(doc, 2));
    EXPECT_EQ(doc.data->parameters.groups[2].elements[0].record.c, 0);
}

TEST_F(FieldConditions, AFieldWithoutAConditionKeepsItsFlag) {
    add_field(L"Kept hidden", L"").c = 1;
    add_field(L"Kept odd", L"").c = 7;
    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, 0));
    EXPECT_EQ(doc.data->parameters.groups[0].elements[0].record.c, 1);
    EXPECT_EQ(doc.data->parameters.groups[0].elements[1].record.c, 7);
}

TEST_F(FieldConditions, ASectionIndexOutsideTheTreeStillStoresEveryFlag) {
    add_field(L"A", L"x");
    add_field(L"B", L"").s5 = L"A = \"x\"";
    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, 5));
    EXPECT_FALSE(ui::reevaluate_field_conditions(doc, -1));
    EXPECT_EQ(doc.data->parameters.groups[0].elements[1].record.c, 1);
}

}  // namespace
