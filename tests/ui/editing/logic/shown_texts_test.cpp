#include "ui/editing/shown_texts.h"

#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"

namespace {

class ShownTexts : public engine::testing::parameter_document {
protected:
    static engine::doc_record option(std::wstring text, std::uint16_t chosen = 0) {
        engine::doc_record record;
        record.s2 = std::move(text);
        record.b = chosen;
        return record;
    }
    static engine::doc_element field_of(std::vector<engine::doc_record> options) {
        engine::doc_element field;
        field.item_count = std::uint16_t(options.size());
        field.items = std::move(options);
        return field;
    }
};

TEST_F(ShownTexts, TextsWithBracesShowTheirRenderedForm) {
    add_field(L"Name", L"Ann");
    EXPECT_EQ(ui::shown_text(&doc, L"Signed by {Name}"), L"Signed by Ann");
    // Without a brace the script does not run: its markers stay as typed.
    EXPECT_EQ(ui::shown_text(&doc, L"**Name**  "), L"**Name**  ");
}

TEST_F(ShownTexts, CheckBoxesHideOptionsWhoseRenderingIsBlank) {
    add_field(L"Empty", L"");
    add_field(L"Rent", L"500");
    const auto blank = ui::option_shown_text(&doc, option(L"{Empty}  "), true);
    EXPECT_FALSE(blank.shown);
    const auto rent = ui::option_shown_text(&doc, option(L"Rent {Rent}  "), true);
    EXPECT_TRUE(rent.shown);
    EXPECT_EQ(rent.text, L"Rent 500");
    // Radio buttons show whatever the script gave.
    const auto radio = ui::option_shown_text(&doc, option(L"{Empty}  "), false);
    EXPECT_TRUE(radio.shown);
    EXPECT_EQ(radio.text, ui::shown_text(&doc, L"{Empty}  "));
}

TEST_F(ShownTexts, OptionsWithoutBracesAreShownEvenWhenEmpty) {
    for (bool check_box : {true, false}) {
        const auto empty = ui::option_shown_text(&doc, option(L""), check_box);
        EXPECT_TRUE(empty.shown);
        EXPECT_EQ(empty.text, L"");
        EXPECT_EQ(ui::option_shown_text(&doc, option(L"   "), check_box).text, L"   ");
    }
}

TEST_F(ShownTexts, TheOptionsValueJoinsTheCheckedStoredTexts) {
    engine::doc_element field =
        field_of({option(L"water", 1), option(L"gas"), option(L"{Power} ", 1)});
    EXPECT_EQ(ui::joined_option_value(field), L"water {Power}");
    field.items[2].b = 0;
    EXPECT_EQ(ui::joined_option_value(field), L"water");
    field.items[0].b = 0;
    EXPECT_EQ(ui::joined_option_value(field), L"");
}

TEST_F(ShownTexts, OnlyTheLastCheckedOptionLosesItsTrailingBlanks) {
    engine::doc_element field = field_of({option(L"a \t", 1), option(L"b\r\n", 1)});
    EXPECT_EQ(ui::joined_option_value(field), L"a \t b");
    // A count above the array is not followed.
    field.item_count = 9;
    EXPECT_EQ(ui::joined_option_value(field), L"a \t b");
}

}  // namespace
