// Building the data panel: one caption and one row per field, by type.
#include <gtest/gtest.h>

#include "editing/panel/panel_fixture.h"

namespace {

using namespace platform;

using DataPanel = panel_test::PanelTest;

TEST_F(DataPanel, ASectionOfMixedFieldsBuildsItsRowsInOrder) {
    const auto s = add_section(L"Parties");
    add_field(s, 4, L"Name", L"Name of {Other}", L"Ann ");
    add_field(s, 0, L"Notes", L"Notes", L"line 1\nline 2");
    auto& choice = add_field(s, 7, L"Kind", L"Kind");
    add_option(choice, L"mutual");
    add_option(choice, L"one-way", true);
    auto& boxes = add_field(s, 6, L"Utilities", L"Utilities");
    add_option(boxes, L"water", true);
    add_option(boxes, L"gas");
    add_field(s, 10, L"Hint", L"Read {Other} first");
    add_field(s, 8, L"Nothing", L"never shown");
    add_field(s, 5, L"Bank", L"", L"First Bank");
    add_field(s, 9, L"Logo", L"Logo").record.d1 = 55.7;
    add_field(s, 11, L"Unknown", L"never shown");
    add_field(s, 3, L"Other", L"", L"Bob");
    const std::size_t renders_before = renders();
    show_section(s);

    ASSERT_EQ(panel().children().size(), 14u);
    EXPECT_EQ(std::dynamic_pointer_cast<TextBlock>(row(0))->text(), L"Name of Bob");
    EXPECT_FALSE(inside<TextBox>(1, 0)->multi_line());
    EXPECT_EQ(inside<TextBox>(1, 0)->text(), L"Ann ");
    EXPECT_TRUE(inside<TextBox>(3, 0)->multi_line());
    EXPECT_EQ(inside<TextBox>(3, 0)->text(), L"line 1\nline 2");
    EXPECT_FALSE(inside<RadioButton>(5, 0)->is_checked());
    EXPECT_TRUE(inside<RadioButton>(5, 1)->is_checked());
    EXPECT_TRUE(inside<CheckBox>(7, 0)->is_checked());
    // The note has no caption of its own; its text is rendered.
    EXPECT_EQ(inside<TextBlock>(8, 0)->text(), L"Read Bob first");
    // Types 8 and above 10 add nothing; an empty caption adds no line.
    EXPECT_EQ(inside<TextBox>(9, 0)->text(), L"First Bank");
    // The image row: path, picker, width label (cut, not rounded), slider.
    EXPECT_EQ(std::dynamic_pointer_cast<TextBlock>(row(10))->text(), L"Logo");
    EXPECT_EQ(child<TextBlock>(inside<Panel>(11, 2), 1)->text(), L"55%");
    EXPECT_EQ(inside<TextBox>(12, 0)->text(), L"Bob");
    // A number field holding no number says so below its row.
    EXPECT_EQ(std::dynamic_pointer_cast<TextBlock>(row(13))->text(),
              L"Not read as a number: the document shows a gap here");

    // Building stored nothing and asked for no render.
    EXPECT_EQ(field(s, 0).record.s2, L"Ann ");
    EXPECT_EQ(field(s, 3).record.s2, L"");
    EXPECT_EQ(renders(), renders_before);
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(DataPanel, HiddenFieldsAndBlankCheckBoxesAreCollapsedAndAnOutOfRangeSectionShowsNothing) {
    const auto s = add_section(L"S");
    add_field(s, 4, L"Empty", L"Empty").record.c = 1;
    add_field(s, 10, L"Note", L"").record.c = 1;
    auto& boxes = add_field(s, 6, L"Options", L"");
    add_option(boxes, L"{Empty} ");
    add_option(boxes, L"shown");
    show_section(s);
    ASSERT_EQ(panel().children().size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(row(i)->visibility(), Visibility::collapsed) << i;
    auto hidden = inside<CheckBox>(3, 0), shown = inside<CheckBox>(3, 1);
    ASSERT_TRUE(hidden && shown);
    EXPECT_EQ(hidden->visibility(), Visibility::collapsed);
    EXPECT_EQ(shown->visibility(), Visibility::visible);
    // No earlier box took the wide top margin, so the last one has it.
    EXPECT_EQ(shown->margin(), (Thickness{10, 8, 8, 8}));

    for (int outside : {1, -1}) {
        window->data_panel().BuildDataPanel(panel(), outside);
        EXPECT_EQ(panel().children().size(), 0u) << outside;
    }
}

TEST_F(DataPanel, CaptionsAndNotesShowTheirScriptsTextWithoutMarkup) {
    window->session().switch_language();  // Russian sums and dates keep their parts together
    const auto s = add_section(L"S");
    add_field(s, 4, L"Sum", L"Terms; {формат:Amount}\u00A0руб. for {Who}");
    add_field(s, 10, L"Note", L"Signed {длинная:Day}");
    add_field(s, 3, L"Amount", L"", L"150000");
    add_field(s, 1, L"Day", L"", L"09.04.2026");
    add_field(s, 4, L"Who", L"", L"R&D <Lab>");
    show_section(s);
    EXPECT_EQ(std::dynamic_pointer_cast<TextBlock>(row(0))->text(),
              L"Terms; 150\u2009000,00\u00A0руб. for R&D <Lab>");
    EXPECT_EQ(inside<TextBlock>(2, 0)->text(), L"Signed 09\u2009апреля 2026\u2009г.");
}

}  // namespace
