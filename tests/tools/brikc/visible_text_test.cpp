// The reader's text of a rendered page, and the faults the golden test must
// never let through.
#include "tools/brikc/visible_text.h"

#include <gtest/gtest.h>

namespace {

using golden::collapse_blanks;
using golden::rendering_faults;
using golden::visible_text;

TEST(VisibleText, BlocksMakeLinesCellsArePartedAndReferencesAreRead) {
    const std::wstring html =
        L"<html><head><style>td {color:red}</style></head><body>"
        L"<div>Seller:\n  <b>Jane</b>&nbsp;Miller</div><script>var x = '{';</script>"
        L"<table><tr><td>A &amp; B</td><td> </td><td>&#171;C&#187;</td></tr>"
        L"<tr><td>&nbsp;</td></tr></table><p>1&thinsp;000&nbsp;руб.<br>end</p></body></html>";
    EXPECT_EQ(collapse_blanks(visible_text(html)),
              L"Seller: Jane\u00A0Miller\nA & B | «C»\n1\u2009000\u00A0руб.\nend\n");
}

TEST(VisibleText, BracesRedMarkersUndefinedAndDoubledBlanksAreFaults) {
    const auto faults_of = [](const std::wstring& html) {
        return rendering_faults(html, visible_text(html));
    };
    EXPECT_TRUE(faults_of(L"<div>a&nbsp; b</div><div> c </div><td>  d</td>").empty());
    for (const wchar_t* html :
         {L"<div>{name</div>", L"<div>a}</div>", L"<div>x <font color=red>[??]</font></div>",
          L"<div>undefined</div>", L"<div>two  blanks</div>", L"<div>two <b> blanks</b></div>"})
        EXPECT_EQ(faults_of(html).size(), 1u) << html;
    // The style sheet is no visible text, yet a red marker in it is still found.
    EXPECT_EQ(faults_of(L"<style>{color:red}</style>").size(), 1u);
}

}  // namespace
