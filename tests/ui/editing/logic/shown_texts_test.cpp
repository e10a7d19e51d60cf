#include "ui/editing/shown_texts.h"

#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"

namespace {

engine::doc_record option(std::wstring text, std::uint16_t chosen = 0) {
    engine::doc_record record;
    record.s2 = std::move(text);
    record.b = chosen;
    return record;
}

using ShownTexts = engine::testing::parameter_document;

TEST_F(ShownTexts, TextsWithBracesShowTheirRenderedForm) {
    add_field(L"Name", L"Ann");
    EXPECT_EQ(ui::shown_text(&doc, view, L"Signed by {Name}"), L"Signed by Ann");
    // Without a brace the script does not run: its markers stay as typed.
    EXPECT_EQ(ui::shown_text(&doc, view, L"**Name**  "), L"**Name**  ");
}

TEST_F(ShownTexts, CheckBoxesHideOptionsWhoseRenderingIsBlank) {
    add_field(L"Empty", L"");
    add_field(L"Rent", L"500");
    EXPECT_FALSE(ui::option_shown_text(&doc, view, option(L"{Empty}  "), true).shown);
    const auto rent = ui::option_shown_text(&doc, view, option(L"Rent {Rent}  "), true);
    EXPECT_TRUE(rent.shown);
    EXPECT_EQ(rent.text, L"Rent 500");
    // Radio buttons, and options without braces, show whatever they have.
    EXPECT_TRUE(ui::option_shown_text(&doc, view, option(L"{Empty}  "), false).shown);
    for (bool check_box : {true, false}) {
        EXPECT_TRUE(ui::option_shown_text(&doc, view, option(L""), check_box).shown);
        EXPECT_EQ(ui::option_shown_text(&doc, view, option(L"   "), check_box).text, L"   ");
    }
}

TEST(JoinedOptionValue, JoinsTheCheckedStoredTextsTrimmingOnlyTheLast) {
    engine::doc_element field;
    field.items = {option(L"water \t", 1), option(L"gas"), option(L"{Power}\r\n", 1)};
    field.item_count = 9;  // a count above the array is not followed
    EXPECT_EQ(ui::joined_option_value(field), L"water \t {Power}");
    field.items[2].b = 0;
    EXPECT_EQ(ui::joined_option_value(field), L"water");
    field.items[0].b = 0;
    EXPECT_EQ(ui::joined_option_value(field), L"");
}

}  // namespace
