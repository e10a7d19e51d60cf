#include "engine/fields/block_fields.h"

#include <gtest/gtest.h>

#include "engine/fields/expr_token.h"
#include "engine/render/render_tree.h"
#include "engine/render/script.h"

using namespace engine;
using namespace render_test;

namespace {

// Heading and link rows take their styles from the library page's first two
// blocks and the first block's first two runs.
class BlockFields : public RenderTest {
protected:
    void SetUp() override {
        doc = empty_document();
        doc_group& page = add_page(*doc);
        doc_element& e0 = add_block(page, L"");
        e0.record.s3 = L"Calibri";
        e0.record.v[0] = 14;
        e0.record.v[2] = 1;
        e0.record.v[3] = 1;
        doc_record& i0 = add_run(e0, L"");
        i0.s3 = L"Verdana";
        i0.v[0] = 10;
        i0.d2 = 4;
        add_run(e0, L"").v[4] = 2;
        add_block(page, L"").record.v[4] = 6;
    }
    std::unique_ptr<document> doc;
};

}  // namespace

TEST_F(BlockFields, HeadingAndLinkExamples) {
    EXPECT_EQ(heading_block_html(doc->data.get(), L"Agreements"),
              L"<TR><TD style=\"border-left:solid 3px white;border-right:solid 3px "
              L"white;border-bottom:solid 1px #0070C0;"
              L"font-family:Arial;font-size:6px;padding-top:6mm;\">&nbsp;</TD></TR><TR>"
              L"<TD style=\"padding:6px;border-bottom:white solid 3px;border-top:white solid 1px; "
              L"background-color:#4E5FA6;font-family:Calibri;font-weight:700;font-size:14.0pt;text-"
              L"align:center;"
              L"padding-left:4.000000mm;color:white; \">Agreements</TD>");
    const std::wstring value = L"Договоры/Договор купли-продажи";
    const std::wstring head =
        L"<tr><td style=\"padding:4px;padding-bottom:6px;padding-left:4.000000mm;border-top:white "
        L"solid 2mm;border-bottom:white solid 3px; background-color:#E0E0F0; "
        L"font-family:Verdana;font-size:10pt;";
    EXPECT_EQ(
        file_link_html(doc->data.get(), value, render_target::screen),
        head +
            L"\" onmouseover={style.background=\"#5F75C7\";style.color=\"#E0F0F5\";}  "
            L"onmouseout={style.background=\"#E0E0F0\";style.color=\"#01020F\";}  "
            L"onclick={window.chrome.webview.postMessage(\"Договоры/Договор|купли-продажи\");}>"
            L"Договор купли-продажи</td>");
    for (render_target target : {render_target::print, render_target::word})
        EXPECT_EQ(file_link_html(doc->data.get(), value, target),
                  head + L"\">Договор купли-продажи</td>");
}

TEST_F(BlockFields, MissingStyleRecordsLeaveTheirDeclarationsOut) {
    doc_group& page = doc->data->pages.groups[0];
    page.element_count = 1;           // no block 1
    page.elements[0].item_count = 0;  // no items
    std::wstring heading = heading_block_html(doc->data.get(), L"T");
    EXPECT_FALSE(contains(heading, L"padding-top"));
    EXPECT_TRUE(contains(heading, L"font-family:Calibri;"));
    std::wstring link = file_link_html(doc->data.get(), L"T", render_target::screen);
    EXPECT_FALSE(contains(link, L"border-top"));
    EXPECT_FALSE(contains(link, L"font-family"));

    // Without a standard page, or without a document, the defaults apply.
    page.record.a = 0;
    EXPECT_TRUE(file_link_html(doc->data.get(), L"Plain", render_target::screen)
                    .starts_with(L"<tr><td style=\"padding:4px;padding-bottom:6px;border-bottom:"
                                 L"white solid 3px; background-color:#E0E0F0; font-family:Arial "
                                 L"Narrow;font-size:11.0pt;\" "));
    EXPECT_TRUE(contains(heading_block_html(nullptr, L"T"),
                         L"background-color:#4E5FA6;color:white; \">T</TD>"));
}

TEST_F(BlockFields, ModifiersPickTheBlockAndTheLastOneWins) {
    auto render = [&](std::initializer_list<const wchar_t*> modifiers) {
        std::vector<expr_token> words;
        for (auto m : modifiers) words.emplace_back(m, expr_kind::format_words);
        return render_block_field(render_context(doc.get(), view_state{}), L"v", words);
    };
    block_field plain = render({L"words", L"other"});
    EXPECT_EQ(plain.html, L"v");
    EXPECT_FALSE(plain.is_block);
    EXPECT_TRUE(render({L"ЗАГОЛОВОК"}).is_block);
    EXPECT_TRUE(render({L"heading", L"FileLink"}).html.starts_with(L"<tr><td"));
    EXPECT_TRUE(render({L"ссылка", L"заголовок"}).html.starts_with(L"<TR><TD"));
}

TEST(LinkMessage, CharactersThatCouldEndTheStringOrTheAttributeAreEscaped) {
    EXPECT_EQ(link_message(L"  a  b\t"), L"a|b");
    EXPECT_EQ(link_message(L"a&quot;b"), L"a\\u0022b");
    EXPECT_EQ(link_message(L"a\\b"), L"a\\u005Cb");
    EXPECT_EQ(link_message(L"O&#39;Brien &apos;x"), L"O\\u0027Brien|\\u0027x");
    EXPECT_EQ(link_message(L"&amp;&lt;&gt;=`"), L"\\u0026\\u003C\\u003E\\u003D\\u0060");
    EXPECT_EQ(link_message(std::wstring(L"a\x01\x7F\u2028\u2029b")),
              L"a\\u0001\\u007F\\u2028\\u2029b");
    EXPECT_EQ(link_message(L"&amp;lt;"), L"\\u0026lt;");  // unescaped once only
}

TEST_F(BlockFields, RowsComeThroughTheFieldEvaluatorOnlyOnTheLibraryPage) {
    doc_record& field = add_element(add_group(doc->data->parameters)).record;
    field.a = 5;
    field.b = 1;
    field.s1 = L"Документ";
    field.s2 = L"Договоры/Акт";
    render_context library(doc.get(), view_state{.library_shown = true});
    EXPECT_TRUE(
        script(L"{ССЫЛКА:ДОКУМЕНТ}", library).run().ends_with(L"(\"Договоры/Акт\");}>Акт</td>"));
    EXPECT_TRUE(script(L"{Заголовок:Документ}", library).run().starts_with(L"<TR><TD"));
    render_context other_page(doc.get(), view_state{});
    EXPECT_FALSE(contains(script(L"{ссылка:Документ}", other_page).run(), L"<tr>"));
}
