#include "engine/render/legacy_page.h"

#include <gtest/gtest.h>

#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

class LegacyPage : public RenderTest {
protected:
    void SetUp() override {
        add_page_setup(*doc);
        doc_record& r = add_group(doc->data->pages).record;
        r.b = 1;
        r.s3 = L"Times";
        r.v[0] = 12;
        r.s2 = L"Old {Ж:}page{:Ж}";
    }
    doc_record& page() { return doc->data->pages.groups[0].record; }
    std::wstring body() { return render_legacy_page(context, 0); }

    std::unique_ptr<document> doc = empty_document();
    render_context context{doc.get(), view_state{}};
};

const std::wstring times_12 = L"<font face=\"Times\"><font style=\"font-size: 12.0pt;\">";

}  // namespace

TEST_F(LegacyPage, DivisionFormExample) {
    page().v[2] = 1;
    EXPECT_EQ(
        body(),
        L"<DIV "
        L"style=\"font-family:Times;;cursor:default;margin-top:0.000000mm;text-align:left;\">" +
            times_12 + L"<b>Old <b>page</b></b></font></font></DIV>");
}

TEST_F(LegacyPage, TableFormOnlyForAnIndentedBodyAlignedPage) {
    page().v[5] = 10;
    page().v[1] = 1;
    EXPECT_EQ(body(),
              L"<TABLE BORDER=0 CELLPADDING=0 CELLSPACING=0 WIDTH=100% style=\"font-family:Times;"
              L"margin-top:0.000000mm;\"><TR><td style=\"width:10.010000mm;\">&nbsp;</td>"
              L"<td style=\"vertical-align:top; cursor:default; text-align:left;\">" +
                  times_12 + L"<i>Old <b>page</b></i></font></font></TD></TR></TABLE>");
    page().v[3] = 1;  // centred
    EXPECT_TRUE(body().starts_with(L"<DIV "));
}

TEST_F(LegacyPage, NeverNumberedAndBreakMarkerReachesTheScript) {
    page().a = 5;
    page().v[5] = 10;
    page().s2 = L"x{%}y";
    std::wstring html = body();
    EXPECT_FALSE(contains(html, L"&nbsp;x"));
    EXPECT_EQ(context.numbering_counters, (std::array<std::uint32_t, 6>{}));
    EXPECT_EQ(context.marker_seen, 0);
}

TEST_F(LegacyPage, HiddenLegacyPagesProduceNothingInTheDocument) {
    page().b = 0;
    EXPECT_FALSE(contains(to_print_html(*doc, view_state{}), L"Old"));
    page().b = 1;
    EXPECT_TRUE(contains(to_print_html(*doc, view_state{}), L"Old <b>page</b>"));
}
