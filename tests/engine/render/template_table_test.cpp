#include "engine/render/template_table.h"

#include <gtest/gtest.h>

#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

class TemplateTable : public RenderTest {
protected:
    void SetUp() override {
        unit_style_texts& style = context.style;
        style.font_face = L"Arial";
        style.font_size_text = L"11.0";
        style.font_weight_text = L"400";
        style.font_style_text = L"normal";
        style.line_height_text = L"0.000000";
        style.align_text = L"text-align:justify;";
    }
    std::wstring html(std::uint32_t code, std::wstring_view text) {
        return table_marker_html(context, code, text);
    }
    std::wstring cell(std::wstring_view text) { return html(11, text); }
    std::unique_ptr<document> doc = empty_document();
    render_context context{doc.get(), view_state{}};
};

const std::wstring plain_cell_tail =
    L"font-size:11.0pt;font-weight:400;font-style:normal;text-align:justify;vertical-align:middle;"
    L"\">";
const std::wstring table_tail = L"style=\"margins:0px;font-family:Arial;";

}  // namespace

TEST_F(TemplateTable, FixedLayoutAndLineHeight) {
    EXPECT_TRUE(html(8, L"{ТАБЛИЦА:FIXED,50%}").ends_with(L"table-layout:fixed;\">"));
    EXPECT_TRUE(html(8, L"{фиксированная таблица}").ends_with(L"table-layout:fixed;\">"));
    context.style.line_height_text = L"0.196850";
    EXPECT_TRUE(contains(html(8, L"{TABLE:}"), L"style=\"line-height:0.196850in;margins:0px;"));
}

TEST_F(TemplateTable, CellWithBordersColoursSpansAndKeywords) {
    EXPECT_EQ(cell(L"{#000#FFFF00#FF0000 ЯЧЕЙКА:1,0,1,0,30%,2,-3}"),
              L"<td colspan=2 rowspan=3 style=\"width:30%;border-top:1px solid "
              L"#000;border-bottom:1px solid #000;"
              L"background-color:#FFFF00;color:#FF0000;" +
                  plain_cell_tail);
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> keywords[] = {
        {L"{CELL:2,2,2,2}", L"</td><td  style=\"border-top:2px solid black;border-left:2px solid black;"},
        {L"{##CCCCCC CELL:}", L"style=\"background-color:#CCCCCC;font-size"},
        {L"{ЯЧЕЙКА:0,0,0,0,,,,ЖИРЦЕНТР}", L"font-weight:700;font-style:normal;text-align:center;"},
        {L"{cell: x-small}", L"font-size:9.0pt;"},
        {L"{cell: xx-large italic top}",
         L"font-size:14.0pt;font-weight:400;font-style:italic;text-align:justify;vertical-align:top;"},
        {L"{CELL:BOTTOM RIGHT}", L"text-align:right;vertical-align:bottom;"},
    };
    // clang-format on
    for (const auto& [marker, style] : keywords)
        EXPECT_TRUE(contains(cell(marker), style)) << marker;
}

TEST_F(TemplateTable, SizeStepsAndAlignmentOrderFollowTheInterfaceLanguage) {
    // clang-format off
    const struct { int language; const wchar_t *marker, *style; } rows[] = {
        {0, L"{CELL:SIZE+3}", L"font-size:14.0pt;"}, {0, L"{CELL:ШРИФТ+3}", L"font-size:11.0pt;"},
        {0, L"{CELL:LARGE SIZE-2}", L"font-size:10.0pt;"}, {1, L"{ЯЧЕЙКА:ШРИФТ-4}", L"font-size:7.0pt;"},
        {1, L"{ЯЧЕЙКА:SIZE+3}", L"font-size:11.0pt;"}, {0, L"{CELL:LEFT JUSTIFY}", L"text-align:justify;"},
        {0, L"{CELL:}", L"text-align:justify;"},  // the paragraph's alignment
        {1, L"{CELL:LEFT JUSTIFY}", L"text-align:left;"}, {1, L"{ЯЧЕЙКА:}", L"text-align:justify;"},
    };
    // clang-format on
    for (const auto& r : rows) {
        context.language = r.language;
        EXPECT_TRUE(contains(cell(r.marker), r.style)) << r.marker << L" " << r.language;
    }
}

TEST_F(TemplateTable, MarkersOutsideATableStillWriteTheirTags) {
    EXPECT_EQ(html(9, L"{:TABLE}"), L"</td></tr></table>");
    EXPECT_EQ(html(10, L"{ROW:}"), L"<tr>");
    EXPECT_TRUE(html(10, L"{ROW: 1 5}").starts_with(L"</td></tr><tr style=\"height:15px;\">"));
    render_context no_document(nullptr, view_state{});
    EXPECT_EQ(
        table_marker_html(no_document, 8, L"{TABLE:}"),
        L"<table width=100%  cellspacing=0 cellpadding=4  style=\"margins:0px;font-family:;\">");
    EXPECT_EQ(html(3, L"{whatever}"), L"");
}

// A marker may come from a typed value: whatever its parameters hold, the tag
// gets only the attributes and declarations the marker makes, from texts that
// fit their place; a parameter that does not fit counts as not given.
TEST_F(TemplateTable, ParametersThatAreNoNumberOrColourAreDropped) {
    const std::wstring plain_table =
        L"<table width=100%  cellspacing=0 cellpadding=4  " + table_tail + L"\">";
    for (const wchar_t* marker :
         {L"{TABLE:1\fONMOUSEOVER=X}", L"{TABLE:100%\"ONCLICK=X,4>}", L"{TABLE:,4 4}",
          L"{X ONMOUSEOVER=Y TABLE:}", L"{\"X\" TABLE:}", L"{#EE\fONCLICK=X TABLE:}",
          L"{URL(X) TABLE:}", L"{TABLE:5PX,1E3}"})
        EXPECT_EQ(html(8, marker), plain_table) << marker;
    EXPECT_TRUE(html(8, L"{ white TABLE:50%,2.5}")
                    .starts_with(L"<table width=50% cellspacing=0 cellpadding=2.5 bgcolor=WHITE "));

    EXPECT_EQ(html(10, L"{ROW:20\fONCLICK=X}"), L"<tr>");
    EXPECT_EQ(html(10, L"{ROW:2.5}"), L"</td></tr><tr style=\"height:2.5px;\">");

    const std::wstring plain_cell = L"<td  style=\"" + plain_cell_tail;
    for (const wchar_t* marker : {L"{CELL:1\fX,\"2,3<,4>,50%\"ONCLICK=X,2\fONCLICK=X,-3\"}",
                                  L"{#0\f0#\"RED#<B> CELL:}", L"{#JAVASCRIPT:X#URL(X) CELL:}",
                                  L"{CELL:,,,,EXPRESSION(X)}", L"{CELL:,,,,10%;COLOR:RED,,}"})
        EXPECT_EQ(html(11, marker), (context.table_cell_open ? L"</td>" : L"") + plain_cell)
            << marker;
    EXPECT_EQ(cell(L"{#ABC CELL:1,,,,25MM,-2,3}"),
              L"</td><td rowspan=2 colspan=3 style=\"width:25MM;border-top:1px solid #ABC;" +
                  plain_cell_tail);
}
