#include "engine/document/page_body.h"

#include <gtest/gtest.h>

#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

const std::wstring div_open =
    L"<div style=\"font-family:Arial;cursor:default;margin-top:0.000000mm;text-align:left;\">"
    L"<font face=\"Arial\"><font style=\"font-size: 11.0pt;\">";
const std::wstring div_close = L"</font></font></div>";
const std::wstring print_break =
    L"<p style=\"page-break-after:always;height:2px;font-size:2pt;\">&#8204;</p>";

class PageBody : public RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        doc = empty_document();
        add_page_setup(*doc);
        page = &add_page(*doc);
    }
    std::wstring body() { return render_standard_page(*doc, 0); }
    doc_record& setup_root() { return doc->data->page_setup.record; }

    std::unique_ptr<document> doc;
    doc_group* page = nullptr;
};

}  // namespace

TEST_F(PageBody, PlainBlocksAndRunsExample) {
    doc_element& block = add_block(*page, L"First {Ж:}bold{:Ж}");
    add_run(block, L"Run one");
    add_run(block, L"Run two");
    EXPECT_EQ(body(), div_open + L"First <b>bold</b>" + div_close + div_open + L"Run one" +
                          div_close + div_open + L"Run two" + div_close);
}

TEST_F(PageBody, APageWithoutBlocksIsEmpty) { EXPECT_EQ(body(), L""); }

TEST_F(PageBody, HiddenBlocksHideTheirRuns) {
    doc_element& hidden = add_block(*page, L"hidden");
    hidden.record.b = 0;
    add_run(hidden, L"run of a hidden block");
    add_block(*page, L"shown");
    page->elements[1].items.emplace_back();  // a hidden run (b 0) of a shown block
    page->elements[1].item_count = 1;
    page->elements[1].items[0].s2 = L"hidden run";
    EXPECT_EQ(body(), div_open + L"shown" + div_close);
}

TEST_F(PageBody, InvisibleUnitsLeaveNothingNotEvenTheirBreak) {
    add_block(*page, L"<b> </b>&nbsp;{%}");
    add_block(*page, L"{Нет такого}");
    add_block(*page, L"after");
    EXPECT_EQ(body(), div_open + L"after" + div_close);
}

TEST_F(PageBody, ImageOnlyUnitsAreKept) {
    add_block(*page, L"<img src=\"data:image/bmp;base64,Qk0=\">");
    EXPECT_EQ(body(), div_open + L"<img src=\"data:image/bmp;base64,Qk0=\">" + div_close);
}

TEST_F(PageBody, BreakMarkerInPrintAndScreen) {
    add_block(*page, L"one{%}two");
    add_block(*page, L"three");
    render_mode = 1;
    EXPECT_EQ(body(),
              div_open + L"onetwo" + div_close + print_break + div_open + L"three" + div_close);
    render_mode = 0;
    EXPECT_EQ(body(), div_open + L"onetwo" + div_close + doc->render_page_break() + div_open +
                          L"three" + div_close);
}

TEST_F(PageBody, OnlyTheFirstBreakMarkerIsTakenOut) {
    add_block(*page, L"a{%}b{%}c");
    render_mode = 1;
    std::wstring html = body();
    EXPECT_EQ(count_of(html, print_break), 1u);
    EXPECT_FALSE(contains(html, L"ab{%}c"));  // the second one went through the script
}

TEST_F(PageBody, NumberedUnitsContinueAcrossBlocksAndRuns) {
    doc_element& block = add_block(*page, L"Terms", 1);
    add_run(block, L"Scope", 2);
    add_run(block, L"Price", 2);
    std::wstring html = body();
    EXPECT_TRUE(contains(html, L"1.&nbsp;Terms"));
    EXPECT_TRUE(contains(html, L"1.1.&nbsp;Scope"));
    EXPECT_TRUE(contains(html, L"1.2.&nbsp;Price"));
    EXPECT_EQ(doc->render_position, (std::array<std::int32_t, 4>{0, 0, 1, 2}));
}

TEST_F(PageBody, BoldNumberWithoutAFrameIsWrappedInPlace) {
    setup_root().c = 1;
    add_block(*page, L"Terms", 1);
    EXPECT_EQ(body(), div_open + L"<b>1.&nbsp;</b>Terms" + div_close);
}

TEST_F(PageBody, FramedUnitsCloseTheirTableAndKeepBoldInside) {
    setup_root().c = 1;
    doc_element& block = add_block(*page, L"Terms", 1);
    block.record.v[5] = 10;
    std::wstring html = body();
    EXPECT_TRUE(html.starts_with(L"<table border=0 cellpadding=0 cellspacing=0 width=100% style="));
    EXPECT_TRUE(html.ends_with(L"<b>1.&nbsp;</b>Terms</font></font></td></tr></table>"));
    EXPECT_FALSE(contains(html, L"<div"));
    EXPECT_EQ(count_of(html, L"<b>"), count_of(html, L"</b>"));
}

TEST_F(PageBody, HangingLayoutDoesNotWrapTheNumber) {
    setup_root().c = 1;
    setup_root().v[1] = 1;
    doc_element& block = add_block(*page, L"Terms", 1);
    block.record.v[3] = 1;  // centred: no cells
    EXPECT_EQ(
        body(),
        L"<div style=\"font-family:Arial;cursor:default;margin-top:0.000000mm;text-align:center;\">"
        L"<font face=\"Arial\"><font style=\"font-size: 11.0pt;\">1.&nbsp;Terms" +
            div_close);
}

TEST_F(PageBody, LooseTableMarkupIsRepairedPerUnit) {
    add_block(*page, L"{ЯЧЕЙКА:}x");
    add_block(*page, L"{TABLE:}{ROW:}{CELL:}open");
    std::wstring html = body();
    EXPECT_EQ(count_of(html, L"<table"), count_of(html, L"</table>"));
    EXPECT_TRUE(contains(html, L"open</td></tr></table>" + div_close));
}

TEST_F(PageBody, DamagedCountsRenderWhatIsThere) {
    doc_element& block = add_block(*page, L"kept");
    add_run(block, L"run");
    block.item_count = 40;  // more than the runs there are
    page->element_count = 7;
    EXPECT_EQ(body(), div_open + L"kept" + div_close + div_open + L"run" + div_close);
    EXPECT_EQ(render_standard_page(*doc, 3), L"");
    EXPECT_EQ(render_standard_page(*doc, -1), L"");
}
