#include "engine/document/word_export.h"

#include <gtest/gtest.h>

#include "engine/document/doc_model.h"

using namespace engine;

TEST(VisibleContent, TextAndImagesShowButBlanksTagsAndNonBreakingSpacesDoNot) {
    for (const wchar_t* hidden : {L"", L"<p> \r\n&nbsp;&NBSP; </p>",
                                  L"<b></b><table width=100%><tr><td></td></tr></table>"})
        EXPECT_FALSE(has_visible_content(hidden)) << hidden;
    for (const wchar_t* shown :
         {L"<p>a</p>", L"\t" /* tabs are not blanks here */, L"<b>Ж</b>",
          L"<img src=\"c:/pics/Logo.Png\">", L"<span title=\"x.jpg\"></span>",
          L"<img src=\"data:image/bmp;base64,Qk0=\">"})
        EXPECT_TRUE(has_visible_content(shown)) << shown;
}

TEST(WordHead, PageDefinitionFollowsThePageSetup) {
    doc_record setup;
    setup.d1 = 297.9;
    setup.v = {210, 0, 15, 12, 11, 25};
    std::wstring head = word_html_head(&setup);
    EXPECT_NE(
        head.find(
            L"@page Section1 {size:297mm 210mm; margin:11mm 12mm 15mm 25mm;mso-header-margin:0mm;"),
        std::wstring::npos);
    EXPECT_NE(head.find(L"mso-page-orientation: landscape;}"), std::wstring::npos);
    // An empty or missing setup gives A4 portrait with 19 mm margins.
    const doc_record zero{};
    for (const doc_record* empty : {&zero, static_cast<const doc_record*>(nullptr)}) {
        head = word_html_head(empty);
        EXPECT_NE(head.find(L"{size:210mm 297mm; margin:19mm 19mm 19mm 19mm;"), std::wstring::npos);
        EXPECT_NE(head.find(L"orientation: portrait;"), std::wstring::npos);
    }
}

TEST(WordHead, PageBreaksBecomeWordBreaks) {
    const std::wstring brk =
        L"<p style=\"page-break-after:always;height:2px;font-size:2pt;\">&#8204;</p>";
    const std::wstring word = L"&nbsp;<br style='page-break-before:always;clear:both;'/>";
    EXPECT_EQ(convert_page_breaks(L"a" + brk + L"b" + brk), L"a" + word + L"b" + word);
}
