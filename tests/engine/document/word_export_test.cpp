#include "engine/document/word_export.h"

#include <gtest/gtest.h>

#include "engine/document/doc_model.h"

using namespace engine;

TEST(VisibleContent, BlanksTagsAndNonBreakingSpacesShowNothing) {
    EXPECT_FALSE(has_visible_content(L""));
    EXPECT_FALSE(has_visible_content(L"<p> \r\n&nbsp;&NBSP; </p>"));
    EXPECT_FALSE(has_visible_content(L"<b></b><table width=100%><tr><td></td></tr></table>"));
    EXPECT_TRUE(has_visible_content(L"<p>a</p>"));
    EXPECT_TRUE(has_visible_content(L"\t"));  // tabs are not blanks here
    EXPECT_TRUE(has_visible_content(L"<b>Ж</b>"));
}

TEST(VisibleContent, ImagesShowWhetherLinkedOrEmbedded) {
    EXPECT_TRUE(has_visible_content(L"<img src=\"c:/pics/Logo.Png\">"));
    EXPECT_TRUE(has_visible_content(L"<span title=\"x.jpg\"></span>"));
    EXPECT_TRUE(has_visible_content(L"<img src=\"data:image/bmp;base64,Qk0=\">"));
    EXPECT_TRUE(has_visible_content(L"<img src=\"photo.jpeg\">"));
}

TEST(WordHead, PageDefinitionFollowsThePageSetup) {
    doc_record setup;
    setup.d1 = 297.9;
    setup.v[0] = 210;
    setup.v[2] = 15;
    setup.v[3] = 12;
    setup.v[4] = 11;
    setup.v[5] = 25;
    std::wstring head = word_html_head(&setup);
    EXPECT_NE(
        head.find(
            L"@page Section1 {size:297mm 210mm; margin:11mm 12mm 15mm 25mm;mso-header-margin:0mm;"),
        std::wstring::npos);
    EXPECT_NE(head.find(L"mso-page-orientation: landscape;}"), std::wstring::npos);
    EXPECT_TRUE(
        head.starts_with(L"<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" \t\t\t\t"));
    EXPECT_TRUE(head.ends_with(L"</head> \t\t\t\t\t<body><div class=Section1>"));
}

TEST(WordHead, EmptyOrMissingSetupGivesA4PortraitWithNineteenMillimetreMargins) {
    doc_record zero;
    const std::wstring expected = L"{size:210mm 297mm; margin:19mm 19mm 19mm 19mm;";
    for (const doc_record* setup :
         {static_cast<const doc_record*>(&zero), static_cast<const doc_record*>(nullptr)}) {
        std::wstring head = word_html_head(setup);
        EXPECT_NE(head.find(expected), std::wstring::npos);
        EXPECT_NE(head.find(L"orientation: portrait;"), std::wstring::npos);
    }
}

TEST(WordHead, PageBreaksBecomeWordBreaks) {
    const std::wstring brk =
        L"<p style=\"page-break-after:always;height:2px;font-size:2pt;\">&#8204;</p>";
    EXPECT_EQ(convert_page_breaks(L"a" + brk + L"b" + brk),
              L"a&nbsp;<br style='page-break-before:always;clear:both;'/>b"
              L"&nbsp;<br style='page-break-before:always;clear:both;'/>");
    EXPECT_EQ(convert_page_breaks(L"none"), L"none");
}
