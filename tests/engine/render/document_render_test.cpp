// Word export, and whole-document renders that must not depend on what was
// rendered before.
#include <gtest/gtest.h>

#include "engine/render/numbering.h"
#include "engine/render/template_table.h"
#include "engine/render/word_export.h"
#include "engine/text/text_replace.h"
#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

std::unique_ptr<document> sample_document() {
    auto doc = empty_document();
    doc_group& setup = add_page_setup(*doc);
    setup.record.d1 = 297;
    setup.record.v[0] = 210;
    doc_group& page = add_page(*doc);
    add_block(page, L"Title{%}");
    add_block(page, L"Clause", 1).record.v[5] = 5;
    add_block(page, L"{TABLE:}{ROW:}{CELL:}left open");
    doc_group& legacy = add_group(doc->data->pages);
    legacy.record.b = 1;
    legacy.record.s2 = L"Legacy text";
    return doc;
}

}  // namespace

using WholeDocument = RenderTest;

TEST_F(WholeDocument, WordExportTakesThePrintBodiesWithWordPageBreaks) {
    auto doc = sample_document();
    const view_state view;
    std::wstring html = to_word_html(*doc, view);
    EXPECT_TRUE(contains(html, L"{size:297mm 210mm;"));
    EXPECT_TRUE(contains(html,
                         L"Title</font></font></div><![if !mso]></td></tr></table><![endif]>"
                         L"&nbsp;<br style='page-break-before:always;"));
    EXPECT_FALSE(contains(html, L"page-break-after"));
    EXPECT_FALSE(contains(html, L"mpage"));
    EXPECT_TRUE(contains(html, L"Legacy text"));
    EXPECT_TRUE(html.ends_with(L"</DIV></body></html>"));
    EXPECT_EQ(count_of(html, L"<table"), count_of(html, L"</table>"));

    // On screen each break starts a page.
    html = to_html(*doc, view);
    EXPECT_EQ(count_of(html, L"<table class=\"mpage\""), 2u);
    EXPECT_EQ(count_of(html, L"<table"), count_of(html, L"</table>"));

    EXPECT_TRUE(to_word_html(*empty_document(), view)
                    .ends_with(L"<body lang=\"en\"><div class=Section1></body></html>"));
}

// Only paper has page ends: the screen and the DOC, which render far more
// often, estimate no lines for a heading, its first clause or a lead-in.
TEST_F(WholeDocument, OnlyThePrintEstimatesTheLinesAUnitTakes) {
    auto doc = empty_document();
    doc_group& page = add_page(*doc);
    doc_element& terms = add_block(page, L"TERMS");
    add_run(terms, L"The Buyer pays on delivery.");
    add_run(terms, L"{TABLE:}{ROW:}{CELL:}a{:TABLE}");
    for (const render_target target :
         {render_target::screen, render_target::word, render_target::print}) {
        render_context context(doc.get(), view_state{}, target);
        render_pages(context);
        EXPECT_EQ(context.line_estimates > 0, target == render_target::print) << int(target);
    }
}

// A page of 172 mm between its margins (650 CSS pixels) with a heading over
// a table of two columns and a numbered clause in the layout asked for.
std::unique_ptr<document> word_processor_document(bool hanging) {
    auto doc = empty_document();
    doc_group& setup = add_page_setup(*doc);
    setup.record.s1 = L"Lease & <Co> ";
    setup.record.d1 = 210;
    setup.record.v = {297, 0, 19, 19, 10, 19};
    doc->data->page_setup.record.v[1] = hanging ? 1 : 0;
    doc_group& page = add_page(*doc);
    doc_element& terms = add_block(page, L"Terms");
    terms.record.v[4] = 2;
    add_run(terms, L"{TABLE:100%,4}{ROW:}{CELL:0,0,0,0,60%}a{CELL:0,0,0,0,40%}b{:TABLE}");
    doc_record& clause = add_block(page, L"Clause", 1).record;
    clause.d2 = 12;
    clause.v[5] = hanging ? 0 : 10;
    return doc;
}

TEST_F(WholeDocument, WordExportAloneCarriesWhatOtherWordProcessorsNeed) {
    struct Case {
        bool hanging;
        std::vector<std::wstring> word_only;
    };
    const Case cases[] = {
        {true,
         {L"<title>Lease &amp; &lt;Co&gt;</title>",
          // LibreOffice keeps a paragraph element with the next, not a division.
          L"text-align:left;\"><p style=\"page-break-after:avoid;margin:0;\"><font "
          L"face=\"Arial\"><font style=\"font-size: 11.0pt;\">Terms</font></font></p></div>",
          L"td {font-family:Arial;font-size:11.0pt;margin-top:0mm;margin-bottom:0mm;}",
          L"margin-top:2.000000mm;margin-bottom:0mm;", L"<td  width=60% style=\"width:60%;",
          L"<td  width=40% style=\"width:40%;",
          // 12.012 mm of number, the rest of the 650 pixels for the text.
          L"<td width=45 valign=\"top\" "
          L"style=\"text-align:left;vertical-align:top;width:12.012000mm;",
          L"<td width=605 valign=\"top\" style=\"vertical-align:top; cursor:default;"}},
        {false,
         {L"<td width=38 valign=\"top\" style=\"width:10.010000mm;\">&nbsp;</td>"
          L"<td width=612 valign=\"top\" style=\"vertical-align:top; cursor:default;"}},
    };
    const view_state view;
    for (const Case& c : cases) {
        auto doc = word_processor_document(c.hanging);
        const std::wstring word = to_word_html(*doc, view);
        const std::wstring print = to_print_html(*doc, view);
        for (const std::wstring& fragment : c.word_only) {
            EXPECT_TRUE(contains(word, fragment)) << c.hanging << " " << fragment;
            EXPECT_FALSE(contains(print, fragment)) << c.hanging << " " << fragment;
        }
        for (const wchar_t* never_in_print : {L"margin-bottom", L" width=6", L" width=4"})
            EXPECT_FALSE(contains(print, never_in_print)) << never_in_print;
    }
}

TEST_F(WholeDocument, WordExportNamesTheDocumentsLanguageAndKeepsTheSpaceAboveItsTables) {
    for (const auto& [language, body] :
         {std::pair{0, L"<body lang=\"en\">"}, std::pair{1, L"<body lang=\"ru\">"}}) {
        auto doc = empty_document(language);
        add_page(*doc);
        EXPECT_TRUE(contains(to_word_html(*doc, view_state{}), body)) << language;
    }

    // A table that opens its paragraph after a paragraph of text gets a
    // spacer of the space asked above it (in CSS pixels); one after text of
    // its own paragraph, after another table, at the page's start or with
    // no space asked, none.
    const wchar_t* const table = L"{TABLE:}{ROW:}{CELL:}x{:TABLE}";
    struct Case {
        const wchar_t* before;  // the paragraph before, or null
        const wchar_t* text;
        std::uint16_t kind, space_mm, number_column_mm;
        const wchar_t* spacer;  // what stands before the paragraph, or null
    };
    const Case cases[] = {
        {L"Terms", table, 0, 6, 0, L"<spacer type=vertical size=23><div "},
        {L"<b>Terms</b>", L" \n<TABLE><tr><td>x</td></tr></TABLE>", 0, 10, 0,
         L"<spacer type=vertical size=38><div "},
        {L"Terms", L"Clause", 1, 3, 10, L"<spacer type=vertical size=11><table "},
        {L"Terms", L"Before{TABLE:}{ROW:}{CELL:}x{:TABLE}", 0, 6, 0, nullptr},
        {L"Terms", table, 1, 6, 0, nullptr},  // its number comes first
        {L"Terms", table, 0, 0, 0, nullptr},
        {L"Terms{TABLE:}{ROW:}{CELL:}y{:TABLE}", table, 0, 6, 0, nullptr},
        {nullptr, table, 0, 6, 0, nullptr},
    };
    for (const Case& c : cases) {
        auto doc = empty_document();
        add_page_setup(*doc).record.d1 = 210;
        doc_group& page = add_page(*doc);
        if (c.before) add_block(page, c.before);
        doc_record& unit = add_block(page, c.text, c.kind).record;
        unit.v[4] = c.space_mm;
        unit.v[5] = c.number_column_mm;
        std::wstring word = to_word_html(*doc, view_state{});
        // The opening unit's cell that only other word processors see.
        erase_all(word, L"<![if !mso]></td></tr></table><![endif]>");
        if (c.spacer) {
            EXPECT_EQ(count_of(word, c.spacer), 1u) << c.text;
        } else {
            EXPECT_FALSE(contains(word, L"<spacer")) << c.text;
        }
        EXPECT_FALSE(contains(to_print_html(*doc, view_state{}), L"<spacer")) << c.text;
    }
}

TEST_F(WholeDocument, WordExportOpensWithATableThatOnlyOtherWordProcessorsRead) {
    const std::wstring open =
        L"<div class=Section1><![if !mso]><table border=0 cellpadding=0 "
        L"cellspacing=0 width=\"100%\"><tr><td><![endif]><div ";
    const std::wstring close = L"<![if !mso]></td></tr></table><![endif]>";
    const wchar_t* const table = L"{TABLE:}{ROW:}{CELL:}x{:TABLE}";
    struct Case {
        std::vector<const wchar_t*> blocks;
        const wchar_t* opening;  // the opening unit's end and what follows it, or null
    };
    const Case cases[] = {
        {{L"Title", L"Clause"}, L"Title</font></font></div><![if !mso]></td></tr></table>"},
        // Inner divisions, and the space asked above a table after it.
        {{L"<div>A<div>B</div></div>", table},
         L"B</div></div></font></font></div><spacer type=vertical size=23><![if !mso]></td>"},
        // A table opens the first division already.
        {{table, L"Clause"}, nullptr},
    };
    for (const Case& c : cases) {
        auto doc = empty_document();
        add_page_setup(*doc).record.d1 = 210;
        doc_group& page = add_page(*doc);
        for (const wchar_t* text : c.blocks) add_block(page, text).record.v[4] = 6;
        const std::wstring word = to_word_html(*doc, view_state{});
        EXPECT_EQ(contains(word, open), c.opening != nullptr) << c.blocks[0];
        EXPECT_EQ(count_of(word, close), c.opening ? 1u : 0u) << c.blocks[0];
        if (c.opening) {
            EXPECT_TRUE(contains(word, c.opening)) << c.blocks[0];
        }
        EXPECT_FALSE(contains(to_print_html(*doc, view_state{}), L"<![if")) << c.blocks[0];
    }
}

TEST_F(WholeDocument, ARenderDoesNotDependOnTheOnesBefore) {
    const view_state view;
    auto a = sample_document();
    const std::wstring fresh_screen = to_html(*a, view);
    const std::wstring fresh_print = to_print_html(*a, view);
    const std::wstring fresh_word = to_word_html(*a, view);

    // B leaves a table row and cell open and a hanging-indent column mode behind.
    auto b = empty_document();
    add_page_setup(*b).record.d1 = 210;
    b->data->page_setup.record.v[1] = 1;
    doc_group& page = add_page(*b);
    add_block(page, L"{TABLE:}{ROW:}{CELL:}x");
    add_block(page, L"outline", 3).record.d2 = 10;
    render_context left_open(b.get(), view);
    render_html(left_open);
    to_word_html(*b, view);
    EXPECT_NE(left_open.form_column_mode, 1);
    EXPECT_TRUE(left_open.table_row_open);

    EXPECT_EQ(to_html(*a, view), fresh_screen);
    EXPECT_EQ(to_print_html(*a, view), fresh_print);
    EXPECT_EQ(to_word_html(*a, view), fresh_word);
}

TEST_F(WholeDocument, ADashAfterAnotherDocumentTakesTheFreshColumnMode) {
    auto make = [](std::uint16_t kind) {
        auto doc = empty_document();
        add_page_setup(*doc).record.d1 = 210;
        doc->data->page_setup.record.v[1] = 1;
        add_block(add_page(*doc), L"item", kind).record.d2 = 10;
        return doc;
    };
    const view_state view;
    auto dash = make(13);
    const std::wstring fresh = to_html(*dash, view);
    to_html(*make(3), view);  // leaves column mode 2 in its context
    EXPECT_EQ(to_html(*dash, view), fresh);
}

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

TEST(WordHead, PageDefinitionFollowsThePageSetupInTheNamedAndTheUnnamedPageRule) {
    doc_record setup;
    setup.d1 = 297.9;
    setup.v = {210, 0, 15, 12, 11, 25};
    std::wstring head = word_html_head(&setup, L"Lease", L"", L"ru");
    EXPECT_NE(
        head.find(
            L"@page Section1 {size:297mm 210mm; margin:11mm 12mm 15mm 25mm;mso-header-margin:0mm;"),
        std::wstring::npos);
    EXPECT_NE(head.find(L"@page {size:297mm 210mm; margin:11mm 12mm 15mm 25mm;}"),
              std::wstring::npos);
    EXPECT_NE(head.find(L"mso-page-orientation: landscape;}"), std::wstring::npos);
    EXPECT_TRUE(contains(head, L"td {margin-top:0mm;margin-bottom:0mm;}"));
    EXPECT_TRUE(head.ends_with(L"<body lang=\"ru\"><div class=Section1>"));
    // An empty or missing setup gives A4 portrait with 19 mm margins.
    const doc_record zero{};
    for (const doc_record* empty : {&zero, static_cast<const doc_record*>(nullptr)}) {
        head = word_html_head(empty, L"", L"", L"en");
        EXPECT_EQ(count_of(head, L"{size:210mm 297mm; margin:19mm 19mm 19mm 19mm;"), 2u);
        EXPECT_NE(head.find(L"orientation: portrait;"), std::wstring::npos);
    }
}
