#include "app/page_pieces.h"

#include <gtest/gtest.h>

namespace {

using app::node_text;
using app::read_markup;
using app::split_pages;
using app::text_edits;

const std::wstring page_top = L"<table class=\"mpage\" border=0>";

TEST(PagePieces, TheScreenHtmlIsCutBeforeEveryPageAndAtItsClosingTags) {
    const std::wstring head = L"<html><head></head> <body onkeydown=\"x\">";
    const std::wstring first =
        page_top + L"<tr><td>one</td></tr></table><table width=\"100%\"></table>";
    const std::wstring second = page_top + L"<tr><td>two</td></tr></table>";
    const std::wstring html = head + first + second + L"</body></html>";
    const app::PagedHtml paged = split_pages(html);
    EXPECT_EQ(paged.head, head);
    ASSERT_EQ(paged.pages.size(), 2u);
    EXPECT_EQ(paged.pages[0], first);
    EXPECT_EQ(paged.pages[1], second);
    EXPECT_EQ(paged.tail, L"</body></html>");

    // The page for an absent document has no pages; a text that does not
    // end as the engine ends it keeps its end with the last page.
    const app::PagedHtml absent = split_pages(L"<html><body><p>absent</p></body></html>");
    EXPECT_EQ(absent.head, L"<html><body><p>absent</p>");
    EXPECT_TRUE(absent.pages.empty());
    const std::wstring unended = head + first + L"<p>";
    const app::PagedHtml cut = split_pages(unended);
    EXPECT_EQ(cut.pages.back(), first + L"<p>");
    EXPECT_TRUE(cut.tail.empty());
}

TEST(PagePieces, MarkupIsReadAsTheBrowserTokenizesIt) {
    const auto markup = read_markup(
        L"a<div title=\"x > y\" alt='<b>' data=a\"b>b<!-- <i>c</i> -->c < d <3"
        L"<style>p<q {}</style><STYLE>x</STYLE ><br/>e");
    const std::vector<std::wstring_view> texts = {L"a", L"b", L"c < d <3", L"p<q {}",
                                                  L"",  L"x", L"",         L"e"};
    const std::vector<std::wstring_view> tags = {L"<div title=\"x > y\" alt='<b>' data=a\"b>",
                                                 L"<!-- <i>c</i> -->",
                                                 L"<style>",
                                                 L"</style>",
                                                 L"<STYLE>",
                                                 L"</STYLE >",
                                                 L"<br/>"};
    EXPECT_EQ(markup.texts, texts);
    EXPECT_EQ(markup.tags, tags);
}

TEST(PagePieces, TextNodesResolveTheReferencesTheEngineWritesAndNothingUncertain) {
    EXPECT_EQ(node_text(L"a &amp; b&lt;&gt;&quot;&apos;&nbsp;&thinsp;"), L"a & b<>\"'\u00A0\u2009");
    EXPECT_EQ(node_text(L"&#8204;&#x2713;&#X1F600;"), L"\u200C\u2713\U0001F600");
    EXPECT_EQ(node_text(L"one\r\ntwo\rthree"), L"one\ntwo\nthree");
    EXPECT_EQ(node_text(L"AT & T;&"), L"AT & T;&");
    for (const wchar_t* uncertain :
         {L"&AMP;", L"&amp", L"&T;", L"&#0;", L"&#x80;", L"&#xD800;", L"&#x110000;"})
        EXPECT_EQ(node_text(uncertain), std::nullopt) << uncertain;
    EXPECT_EQ(node_text(std::wstring(L"a\0b", 3)), std::nullopt);
    EXPECT_EQ(node_text(std::wstring(1, wchar_t(0xDC00))), std::nullopt);
}

TEST(PagePieces, AChangedValueIsATextEditOfItsNode) {
    const std::wstring before =
        page_top + L"<tr><td>Buyer:</td><td><b>Contoso</b> pays</td></tr></table>";
    const std::wstring after =
        page_top + L"<tr><td>Buyer:</td><td><b>Contoso &amp; Co</b> pays</td></tr></table>";
    const auto edits = text_edits(before, after);
    ASSERT_TRUE(edits);
    ASSERT_EQ(edits->size(), 1u);
    EXPECT_EQ((*edits)[0].node, 1u);  // "Buyer:" is node 0
    EXPECT_EQ((*edits)[0].text, L"Contoso & Co");
    EXPECT_EQ(text_edits(before, before), std::vector<app::TextEdit>{});
}

TEST(PagePieces, ChangesATextEditCouldShowDifferentlyAreNotTextEdits) {
    auto edits_of = [](const std::wstring& old_text, const std::wstring& new_text) {
        return text_edits(L"<td><b>" + old_text + L"</b></td>",
                          L"<td><b>" + new_text + L"</b></td>");
    };
    EXPECT_TRUE(edits_of(L"x", L"y"));
    EXPECT_FALSE(edits_of(L"x", L""));     // the node would go
    EXPECT_FALSE(edits_of(L"", L"x"));     // a node would come
    EXPECT_FALSE(edits_of(L"x", L" \t"));  // blanks in a table stay, text is moved out
    EXPECT_FALSE(edits_of(L"x", L"\ny"));  // dropped after <pre>
    EXPECT_FALSE(edits_of(L"x", L"&unknown;"));
    EXPECT_FALSE(text_edits(L"<td>x</td>", L"<td class=a>x</td>"));
    EXPECT_FALSE(text_edits(L"<title>x</title>", L"<title>y</title>"));
    EXPECT_FALSE(text_edits(L"<td>x</td>", L"<td>x</td><td>y</td>"));
}

}  // namespace
