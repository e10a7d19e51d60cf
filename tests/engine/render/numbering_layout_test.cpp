// List numbers, and the layouts that frame numbered units.
#include <gtest/gtest.h>

#include <vector>

#include "engine/render/numbering.h"
#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

class ListLayout : public RenderTest {
protected:
    void SetUp() override {
        add_page_setup(*doc);
        block = &add_block(add_page(*doc), L"text");
    }
    doc_record& setup_root() { return doc->data->page_setup.record; }
    std::wstring prefix_of(int kind, int item = -1) {
        return render_numbered_list(context, kind, 0, item, 0);
    }

    std::unique_ptr<document> doc = empty_document();
    render_context context{doc.get(), view_state{}};
    doc_element* block = nullptr;
};

// The prefixes of a run of units of `kinds`, from fresh counters.
std::wstring prefixes(const std::vector<int>& kinds, int language) {
    numbering_counter_set counters{};
    std::wstring out;
    for (int k : kinds) out += numbering_prefix(k, counters, language) + L" ";
    return out;
}

const std::wstring table_opening = L"<table border=0 cellpadding=0 cellspacing=0 width=100% ";
const std::wstring arial_11 = L"<font face=\"Arial\"><font style=\"font-size: 11.0pt;\">";

}  // namespace

TEST_F(ListLayout, SimpleLayoutExample) {
    doc_record& r = block->record;
    r.v[5] = 10;
    r.v[4] = 19;
    r.c = 5;
    r.d2 = 5.9;
    r.v[3] = 3;
    EXPECT_EQ(prefix_of(1),
              table_opening +
                  L"style=\"font-family:Arial;line-height:0.196850in;margin-top:19.018999mm;\"><TR>"
                  L"<td style=\"width:10.010000mm;\">&nbsp;</td>"
                  L"<td style=\"vertical-align:top; cursor:default; text-align:justify;\">"
                  L"<span style=\"text-indent:5.005000mm\">&nbsp;</span>" +
                  arial_11 + L"1.&nbsp;");
    setup_root().c = 1;  // a bold number stays inside the cell
    EXPECT_TRUE(prefix_of(1).ends_with(arial_11 + L"<b>2.&nbsp;</b>"));
    EXPECT_TRUE(prefix_of(0).ends_with(arial_11));
}

TEST_F(ListLayout, TheLayoutFollowsTheIndentTheAlignmentAndTheKind) {
    EXPECT_EQ(prefix_of(1), L"1.&nbsp;");  // no indent: no frame
    block->record.v[5] = 4;
    EXPECT_TRUE(
        prefix_of(0).starts_with(table_opening));  // an indented plain paragraph is framed too
    block->record.v[3] = 1;                        // centred: no frame
    EXPECT_EQ(prefix_of(1), L"2.&nbsp;");
    setup_root().v[1] = 1;  // hanging: the same, and a plain unit without a number is bare
    EXPECT_EQ(prefix_of(1), L"3.&nbsp;");
    block->record.v[3] = 0;
    EXPECT_TRUE(contains(prefix_of(0), L"<TR>"));  // the simple builder for an indented plain unit
    block->record.v[5] = 0;
    EXPECT_EQ(prefix_of(0), L"");
}

TEST_F(ListLayout, HangingLayoutExample) {
    setup_root().v[1] = 1;
    block->record.d2 = 12;
    EXPECT_EQ(prefix_of(1),
              table_opening +
                  L"style=\"font-family:Arial;margin-top:0.000000mm;\"><tr>"
                  L"<td style=\"text-align:left;vertical-align:top;width:12.012000mm;\">" +
                  arial_11 +
                  L"1.&nbsp;</font></font></td>"
                  L"<td style=\"vertical-align:top; cursor:default; text-align:left;\">" +
                  arial_11);
    EXPECT_EQ(context.form_column_mode, 1);
    setup_root().c = 1;
    EXPECT_TRUE(contains(
        prefix_of(13),
        arial_11 + L"<font style=\"font-size:14.000000pt\">&#9642;</font>&nbsp;</font></font>"));
    EXPECT_TRUE(contains(prefix_of(1), arial_11 + L"<b>2.&nbsp;</b></font></font>"));
}

TEST_F(ListLayout, ColumnModesOfTheHangingLayout) {
    setup_root().v[1] = 1;
    block->record.d2 = 10;
    auto empty_cells = [&](const std::wstring& html) {
        return count_of(html, L"width:10.010000mm;\">" + arial_11 + L"&nbsp;</font></font></td>");
    };
    std::wstring outline = prefix_of(2);  // "1.1." counts three columns in English
    EXPECT_EQ(context.form_column_mode, 2);
    EXPECT_EQ(empty_cells(outline), 1u);
    std::wstring dash = prefix_of(13);  // a dash keeps the mode of the unit before it
    EXPECT_EQ(context.form_column_mode, 2);
    EXPECT_EQ(empty_cells(dash), 2u);
    EXPECT_TRUE(contains(dash, L"width:5.005000mm;\">" + arial_11 + L"&#9642;&nbsp;"));
    prefix_of(1);
    EXPECT_EQ(context.form_column_mode, 1);
    EXPECT_EQ(empty_cells(prefix_of(13)), 1u);

    doc_record& run = add_run(*block, L"x", 6);
    run.d2 = 10;
    EXPECT_EQ(empty_cells(prefix_of(6, 0)), 2u);
    EXPECT_EQ(context.form_column_mode, 3);
    run.a = 9;
    prefix_of(9, 0);
    EXPECT_EQ(context.form_column_mode, 2);
}

TEST_F(ListLayout, FillInLineShowsChecksOnlyWhenAFieldThatIsOnAsksForThem) {
    setup_root().v[1] = 1;
    doc_record& run = add_run(*block, L"x", 12);
    run.d2 = 20;
    run.v[5] = 7;
    std::wstring html = prefix_of(12, 0);
    EXPECT_EQ(context.form_column_mode, 0);
    EXPECT_FALSE(contains(html, L"&#x2713;"));
    EXPECT_FALSE(contains(html, L"valign=\"top\""));  // no indent cell before a fill-in line
    EXPECT_TRUE(contains(
        html, L"<td valign=\"bottom\" style=\"width:20.020000mm;border-bottom:1px solid black\">"));
    EXPECT_TRUE(html.ends_with(
        L"<td style=\"vertical-align:bottom; text-align:left;text-indent:0px;\">" + arial_11));

    doc_group& section = add_group(doc->data->parameters);
    doc_record& off = add_element(section).record;
    off.s1 = L"show_checks";
    off.c = 1;
    doc_record& on = add_element(section).record;
    on.s1 = L" Show_Checks ";
    on.s2 = L"yes";
    EXPECT_TRUE(contains(prefix_of(12, 0), L"&#x2713;&thinsp;</td>"));
    section.elements[0].record.c = 0;  // the first field that is on is blank
    EXPECT_FALSE(show_checks(doc->data.get()));
}

TEST(NumberingPrefix, KindsCountersAndLanguages) {
    // clang-format off
    const struct { std::vector<int> kinds; int language; const wchar_t* expected; } rows[] = {
        {{1, 2, 1, 2, 3}, 0, L"1.&nbsp; 1.1.&nbsp; 2.&nbsp; 2.1.&nbsp; 2.1.1.&nbsp; "},
        {{3}, 0, L"1.1.1.&nbsp; "},
        {{0, 13, 18}, 0, L" -&nbsp; -&nbsp; "},
        // The thousand flag, with and without a restart.
        {{1005, 1, 1101}, 0, L"I.&nbsp; 1.&nbsp; 1.&nbsp; "},
        // Another kind between lower roman numerals restarts them.
        {{6, 4, 6}, 0, L"i.&nbsp; 1)&nbsp; i.&nbsp; "},
        // Letters follow the document language.
        {{10, 10, 11}, 0, L"a.&nbsp; b.&nbsp; c)&nbsp; "},
        {{10, 10, 11}, 1, L"а.&nbsp; б.&nbsp; в)&nbsp; "},
        {{9, 9}, 1, L"А.&nbsp; Б.&nbsp; "},
        {{19, 20}, 0, L"а.&nbsp; б)&nbsp; "},
        // Kind twelve counts only in Russian.
        {{12, 10}, 0, L"&nbsp; a.&nbsp; "},
        {{12, 12}, 1, L"(а)&nbsp; (б)&nbsp; "},
        {{14, 16, 15, 17}, 0, L"1&nbsp; 2&nbsp; 1&nbsp; 2&nbsp; "},
        {{21, 99, 1}, 0, L"&nbsp; &nbsp; 1.&nbsp; "},
    };
    // clang-format on
    for (const auto& r : rows) EXPECT_EQ(prefixes(r.kinds, r.language), r.expected) << r.expected;
}

TEST(NumberingPrefix, RomanNumeralsStopAtThirtyAndLettersRunOnPastTheAlphabet) {
    numbering_counter_set romans{}, letters{};
    std::wstring roman, letter;
    for (int i = 0; i < 31; ++i) roman = numbering_prefix(5, romans, 0);
    for (int i = 0; i < 27; ++i) letter = numbering_prefix(10, letters, 0);
    EXPECT_EQ(roman, L"XXX.&nbsp;");
    EXPECT_EQ(letter, L"{.&nbsp;");
}
