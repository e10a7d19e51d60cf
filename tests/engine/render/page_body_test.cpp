#include "engine/render/page_body.h"

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

std::wstring unit(const std::wstring& text) { return div_open + text + div_close; }

class PageBody : public RenderTest {
protected:
    void SetUp() override {
        doc = empty_document();
        add_page_setup(*doc);
        page = &add_page(*doc);
    }
    // The page in a fresh context, as a whole-document render starts it.
    std::wstring body(render_target target = render_target::screen) {
        context = std::make_unique<render_context>(doc.get(), view_state{}, target);
        return render_standard_page(*context, 0);
    }
    doc_record& setup_root() { return doc->data->page_setup.record; }

    std::unique_ptr<document> doc;
    std::unique_ptr<render_context> context;  // of the last body
    doc_group* page = nullptr;
};

}  // namespace

TEST_F(PageBody, ShownBlocksAndRunsBecomeUnits) {
    EXPECT_EQ(body(), L"");
    doc_element& block = add_block(*page, L"First {Ж:}bold{:Ж}");
    add_run(block, L"Run one");
    add_run(block, L"Run two").b = 0;
    doc_element& hidden = add_block(*page, L"hidden");
    hidden.record.b = 0;
    add_run(hidden, L"run of a hidden block");
    EXPECT_EQ(body(), unit(L"First <b>bold</b>") + unit(L"Run one"));
}

TEST_F(PageBody, InvisibleUnitsLeaveNothingNotEvenTheirBreakButImagesAreKept) {
    add_block(*page, L"<b> </b>&nbsp;{%}");
    add_block(*page, L"{Нет такого}");
    add_block(*page, L"<img src=\"data:image/bmp;base64,Qk0=\">");
    EXPECT_EQ(body(), unit(L"<img src=\"data:image/bmp;base64,Qk0=\">"));
}

TEST_F(PageBody, OnlyTheFirstBreakMarkerBreaksThePage) {
    add_block(*page, L"one{%}two");
    add_block(*page, L"three");
    EXPECT_EQ(body(render_target::print), unit(L"onetwo") + print_break + unit(L"three"));
    EXPECT_EQ(body(), unit(L"onetwo") + render_page_break(*context) + unit(L"three"));
    page->elements[0].record.s2 = L"a{%}b{%}c";  // the second one goes through the script
    EXPECT_EQ(count_of(body(), render_page_break(*context)), 1u);
}

TEST_F(PageBody, BoldNumbersAreWrappedOnlyWhereTheyCannotLeak) {
    setup_root().c = 1;
    doc_element& block = add_block(*page, L"Terms", 1);
    EXPECT_EQ(body(), unit(L"<b>1.&nbsp;</b>Terms"));
    // A framed unit closes its table and keeps the bold inside.
    block.record.v[5] = 10;
    std::wstring html = body();
    EXPECT_TRUE(html.ends_with(L"<b>1.&nbsp;</b>Terms</font></font></td></tr></table>"));
    EXPECT_EQ(count_of(html, L"<b>"), count_of(html, L"</b>"));
    // The hanging layout does not wrap the number of a centred unit.
    setup_root().v[1] = 1;
    block.record.v[3] = 1;
    EXPECT_TRUE(body().ends_with(L"1.&nbsp;Terms" + div_close));
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
    EXPECT_EQ(body(), unit(L"kept") + unit(L"run"));
    EXPECT_EQ(render_standard_page(*context, 3), L"");
    EXPECT_EQ(render_standard_page(*context, -1), L"");
}
