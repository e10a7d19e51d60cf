// The screen and print frame around the pages, its messages, and the page
// metrics.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "engine/document/document.h"
#include "engine/document/process_state.h"
#include "support/brik_fixture.h"
#include "support/process_state_fixture.h"
#include "support/temp_folder.h"

using namespace engine;
using namespace fixture;

namespace {

class DocumentFrame : public process_state_test {
protected:
    std::unique_ptr<document> open(const brik_tree& tree, const std::string& name = "Frame.brik") {
        write_bytes(folder.file(name), write_brik(tree));
        return std::make_unique<document>(engine_path(folder.file(name)));
    }

    temp_folder folder;
};

// A page setup that was never made (with its two default-style elements), one
// standard page whose first block has one paragraph run.
brik_tree unset_tree() {
    brik_tree tree;
    brik_group setup;
    setup.elements.resize(2);
    tree.page_setup.groups.push_back(setup);
    brik_group page;
    page.record.a = 1;
    brik_element block;
    block.record.s3 = u"Block Face";
    block.record.v[0] = 14;
    brik_record run;
    run.s3 = u"Times New Roman";
    run.v[0] = 12;
    block.items.push_back(run);
    page.elements.push_back(block);
    tree.pages.groups.push_back(page);
    return tree;
}

brik_tree sized_tree(double width, std::uint16_t height) {
    brik_tree tree = unset_tree();
    tree.page_setup.groups[0].record.d1 = width;
    tree.page_setup.groups[0].record.v = {height, 0, 20, 15, 12, 25};
    return tree;
}

bool contains(const std::wstring& text, const std::wstring& part) {
    return text.find(part) != std::wstring::npos;
}

const std::wstring body_open =
    L"<body onkeydown=\"{window.event.returnValue=null;event.keyCode=0;}\">";

}  // namespace

TEST_F(DocumentFrame, ConstructionSetsTheStartValuesAndTheCurrentDocument) {
    current_language = 1;
    auto doc = open(unset_tree());
    EXPECT_EQ(doc->zoom, 100.0);
    EXPECT_EQ(doc->language, 1);
    EXPECT_EQ(doc->layout_variant, 3);
    EXPECT_EQ(current_document, doc.get());
    auto newer = std::make_unique<document>(L"");
    EXPECT_EQ(current_document, newer.get());
    doc.reset();  // an older document leaves the newer one current
    EXPECT_EQ(current_document, newer.get());
    newer.reset();
    EXPECT_EQ(current_document, nullptr);
}

TEST_F(DocumentFrame, UnsetPageSetupGetsTheDefaultsWrittenIntoTheTree) {
    auto doc = open(unset_tree());
    std::wstring html = doc->to_html();
    EXPECT_EQ(doc->content_width, 172.0f);
    EXPECT_EQ(doc->content_width_text, L"172.000000mm");
    EXPECT_EQ(doc->content_height_text, L"268.000000mm");
    EXPECT_EQ(doc->left_margin_text, L"19.000000mm");
    EXPECT_EQ(doc->right_margin_text, L"18.000000mm");
    EXPECT_EQ(doc->top_margin_text, L"10.000000mm");
    EXPECT_EQ(doc->bottom_margin_text, L"19.000000mm");
    const doc_group& setup = doc->data->page_setup.groups[0];
    EXPECT_EQ(setup.record.d1, 210.0);
    EXPECT_EQ(setup.record.v, (std::array<std::uint16_t, 6>{297, 0, 19, 19, 10, 19}));
    EXPECT_EQ(setup.elements[0].record.v[4], 2);
    EXPECT_EQ(setup.elements[1].record.v[4], 12);
    for (const doc_element& style : setup.elements) {
        EXPECT_EQ(style.record.s3, L"Arial");
        EXPECT_EQ(style.record.v[0], 8);
    }
}

TEST_F(DocumentFrame, WithoutAPageSetupGroupTheDefaultsAreUsedButNotWritten) {
    brik_tree tree = unset_tree();
    tree.page_setup.groups.clear();
    auto doc = open(tree);
    doc->to_html();
    EXPECT_EQ(doc->content_width_text, L"172.000000mm");
    EXPECT_EQ(doc->content_height_text, L"268.000000mm");
    EXPECT_EQ(group_count_of(doc->data->page_setup), 0u);
}

TEST_F(DocumentFrame, StyleDefaultsGoOnlyIntoStylesThatExist) {
    brik_tree tree = unset_tree();
    tree.page_setup.groups[0].elements.resize(1);
    auto doc = open(tree);
    doc->to_html();
    EXPECT_EQ(doc->data->page_setup.groups[0].elements.size(), 1u);
    EXPECT_EQ(doc->data->page_setup.groups[0].elements[0].record.s3, L"Arial");
}

TEST_F(DocumentFrame, AMadePageSetupGivesItsOwnGeometry) {
    auto doc = open(sized_tree(216.5, 279));
    doc->to_print_html();
    EXPECT_EQ(doc->content_width_text, L"176.500000mm");   // 216.5 - (15 + 25)
    EXPECT_EQ(doc->content_height_text, L"247.000000mm");  // 279 - (20 + 12)
    EXPECT_EQ(doc->left_margin_text, L"25.000000mm");
    EXPECT_EQ(doc->right_margin_text, L"14.000000mm");
    EXPECT_EQ(doc->data->page_setup.groups[0].record.d1, 216.5);
    EXPECT_EQ(render_mode, 1);
}

TEST_F(DocumentFrame, ScreenFrameIsExact) {
    auto doc = open(unset_tree());
    const std::wstring top =
        L"<table class=\"mpage\" border=0 cellpadding=0 cellspacing=0><tr "
        L"style=\"height:10.000000mm;\">"
        L"<td style=\"font-size:1pt;text-indent:19.000000mm;\">&thinsp;</td>"
        L"<td style=\"font-size:1pt;text-indent:172.000000mm;\">&thinsp;</td>"
        L"<td style=\"font-size:1pt;text-indent:18.000000mm;\">&thinsp;</td></tr>"
        L"<tr style=\"height:268.000000mm;\"><td style=\"\"></td><td style=\"\">";
    const std::wstring bottom =
        L"</td><td style=\"\"></td></tr><tr style=\"height:19.000000mm;\"><td style=\"\"></td>"
        L"<td style=\"font-size:1pt\">&thinsp;</td><td style=\"\"></td></tr></table>";
    EXPECT_EQ(
        doc->to_html(),
        L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"> <html><head>"
        L"<meta http-equiv=Content-Type content= \"text/html; charset=utf-8\">"
        L"<style type=\"text/css\"> body { z-index:0; user-select:none; zoom:100%; "
        L"vertical-align:top; background-color:#B0B7CF; unselectable:on;} "
        L".mpage { width:210.000000mm; align:center; margin-left:auto; margin-right:auto; "
        L"background-color:white; } td { vertical-align:top; empty-cells:show;} </style></head> " +
            body_open + top + bottom + L"</body></html>");
    EXPECT_EQ(doc->render_page_top(), top);
    EXPECT_EQ(doc->render_page_break(),
              bottom +
                  L"<table width=\"100%\"><tr style=\"height:12px;\"><td style=\"font-size:2pt;\">"
                  L"&nbsp;</td></tr></table>" +
                  top);
    EXPECT_EQ(render_mode, 0);
}

TEST_F(DocumentFrame, PrintFrameTakesTheFontOfTheFirstParagraphRun) {
    auto doc = open(unset_tree());
    EXPECT_EQ(
        doc->to_print_html(),
        L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"> <html><head>"
        L"<meta http-equiv=Content-Type content= \"text/html; charset=utf-8\">"
        L"<style type=\"text/css\"> body {user-select:none; vertical-align:top; "
        L"unselectable:on;counter-reset:page;} td { vertical-align:top; empty-cells: show;} "
        L"</style></head> " +
            body_open +
            L"<table border=0 cellpadding=2 cellspacing=0 style=\"font-family:Times New Roman;"
            L"font-size:12.0pt;width:172.000000mm;\"><tbody><tr><td style=\"vertical-align:top;\">"
            L"</td></tr></table></body></html>");
    EXPECT_EQ(doc->font_face, L"Times New Roman");
    EXPECT_EQ(doc->font_size_text, L"12.0pt");
}

TEST_F(DocumentFrame, PrintFontFallsBackToTheBlockThenThePage) {
    brik_tree tree = unset_tree();
    tree.pages.groups[0].elements[0].items.clear();
    auto doc = open(tree);
    EXPECT_TRUE(
        contains(doc->to_print_html(), L"style=\"font-family:Block Face;font-size:14.0pt;width:"));

    tree.pages.groups[0].elements.clear();
    tree.pages.groups[0].record.s3 = u"Page Face";
    tree.pages.groups[0].record.v[0] = 9;
    doc = open(tree);
    EXPECT_TRUE(
        contains(doc->to_print_html(), L"style=\"font-family:Page Face;font-size:9.0pt;width:"));
}

TEST_F(DocumentFrame, WithoutAStandardPageThePrintStyleIsTheWidthAlone) {
    brik_tree tree = unset_tree();
    tree.pages.groups[0].record.a = 0;
    tree.pages.groups[0].record.b = 1;
    auto doc = open(tree);
    EXPECT_TRUE(
        contains(doc->to_print_html(), L"cellspacing=0 style=\"width:172.000000mm;\"><tbody>"));
}

TEST_F(DocumentFrame, ZoomIsWrittenAsAWholePercentWithinItsRange) {
    auto doc = open(unset_tree());
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const wchar_t*> cases[] = {
        {125.7, L"zoom:125%"}, {std::nan(""), L"zoom:100%"}, {inf, L"zoom:100%"},
        {-inf, L"zoom:100%"},  {3.0, L"zoom:10%"},           {1e300, L"zoom:500%"},
        {-40.0, L"zoom:10%"},  {500.9, L"zoom:500%"},
    };
    for (const auto& [zoom, text] : cases) {
        doc->zoom = zoom;
        EXPECT_TRUE(contains(doc->to_html(), text)) << zoom;
    }
}

TEST_F(DocumentFrame, LibraryPageVariablesNameTheSelectedSection) {
    brik_tree tree = unset_tree();
    tree.parameters.groups.resize(2);
    tree.parameters.groups[1].record.s1 = u"Кадры";
    auto doc = open(tree);
    std::vector<doc_record>& variables = doc->data->scratch.records;

    doc->to_html();
    EXPECT_TRUE(variables.empty());

    variables.push_back(doc_record{});  // left over from an earlier render
    library_shown = true;
    current_section = 1;
    doc->to_html();
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(variables[0].s1, L"активная|панель");
    EXPECT_EQ(variables[1].s1, L"active|panel");
    EXPECT_EQ(variables[0].s2, L"Кадры");
    EXPECT_EQ(variables[1].s2, L"Кадры");

    for (int section : {2, -1, 1000}) {
        current_section = section;
        doc->to_html();
        ASSERT_EQ(variables.size(), 2u);
        EXPECT_EQ(variables[0].s2, L"");
        EXPECT_EQ(variables[1].s2, L"");
    }
}

TEST_F(DocumentFrame, RenderStartsFromZeroedPositionAndCounters) {
    auto doc = open(unset_tree());
    doc->render_position = {1, 2, 3, 4};
    doc->numbering_counters = {5, 6, 7, 8, 9, 10};
    doc->to_html();
    EXPECT_EQ(doc->render_position, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(doc->numbering_counters, (std::array<std::uint32_t, 6>{}));
}

TEST_F(DocumentFrame, AbsentDocumentTextsFollowTheLanguageAtOpening) {
    document english(L"");
    current_language = 1;
    document russian(L"");
    EXPECT_EQ(english.to_html(),
              L"<html>" + body_open +
                  L"<p style=\"font-family:Arial;font-size:11.0pt;\">The document is absent in the "
                  L"application workspace.</p></body></html>");
    EXPECT_EQ(
        russian.to_html(),
        L"<html>" + body_open +
            L"<p style=\"font-family:Arial;font-size:11.0pt;\">Документ отсутствует в рабочем "
            L"окружении программы.</p></body></html>");
    EXPECT_EQ(english.to_print_html(), L"The document is absent in the application workspace.");
    EXPECT_EQ(russian.to_print_html(), L"Документ отсутствует в рабочем окружении программы.");
}

TEST_F(DocumentFrame, FailedToOpenTextsQuoteTheEscapedFileName) {
    std::wstring path = engine_path(folder.file("O'Neil & <Sons>.v2.brik"));
    document english(path);
    current_language = 1;
    document russian(path);
    EXPECT_EQ(english.to_html(), L"\"O&#39;Neil &amp; &lt;Sons&gt;\" file failed to open.");
    EXPECT_EQ(russian.to_html(), L"\"O&#39;Neil &amp; &lt;Sons&gt;\" не удалось открыть.");
    // Printing always speaks Russian.
    EXPECT_EQ(english.to_print_html(),
              L"Файл документа поврежден: \"O&#39;Neil &amp; &lt;Sons&gt;\" не удалось загрузить.");
    // The name may also come after a backslash.
    document windows_style(L"C:\\Library\\Договор.brik");
    EXPECT_EQ(windows_style.to_html(), L"\"Договор\" не удалось открыть.");
    // The program puts the text into a one-line script literal.
    document two_lines(L"/library/first\nsecond\r.brik");
    EXPECT_EQ(two_lines.to_html(), L"\"first&#10;second&#13;\" не удалось открыть.");
}

TEST_F(DocumentFrame, ADamagedDocumentRendersWhatWasRead) {
    std::string bytes = write_brik(unset_tree());
    write_bytes(folder.file("cut.brik"), bytes.substr(0, bytes.size() - 20));
    document doc(engine_path(folder.file("cut.brik")));
    EXPECT_FALSE(doc.loaded());
    EXPECT_TRUE(contains(doc.to_html(), L"<!DOCTYPE HTML"));
}

TEST_F(DocumentFrame, GeometryIgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    auto doc = open(unset_tree());
    std::wstring html = doc->to_html();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(contains(html, L"text-indent:172.000000mm;"));
    EXPECT_EQ(doc->content_width_text, L"172.000000mm");
}

TEST(FormatPoints, WritesTheWholeNumberWithOneDecimal) {
    EXPECT_EQ(format_points(0), L"0.0pt");
    EXPECT_EQ(format_points(12), L"12.0pt");
    EXPECT_EQ(format_points(65535), L"65535.0pt");
}

TEST_F(DocumentFrame, PageMetrics) {
    EXPECT_EQ(page_width_mm(nullptr), 210.0);
    EXPECT_EQ(page_height_mm(nullptr), 297.0);
    EXPECT_EQ(is_landscape(nullptr), 0.0);
    EXPECT_EQ(paper_kind(nullptr), 3.0);

    brik_tree no_setup = unset_tree();
    no_setup.page_setup.groups.clear();
    auto doc = open(no_setup);
    EXPECT_EQ(page_width_mm(doc->data.get()), 210.0);
    EXPECT_EQ(page_height_mm(doc->data.get()), 297.0);
    EXPECT_EQ(paper_kind(doc->data.get()), 3.0);

    struct paper {
        double width;
        std::uint16_t height;
        double landscape, kind;
    };
    const paper papers[] = {
        {216, 279, 0, 0}, {279, 216, 1, 0}, {203, 254, 0, 1}, {254, 203, 1, 1},   {216, 356, 0, 2},
        {356, 216, 1, 2}, {210, 297, 0, 3}, {297, 210, 1, 3}, {216.5, 279, 0, 3}, {250, 250, 0, 3},
    };
    for (const paper& p : papers) {
        doc = open(sized_tree(p.width, p.height));
        EXPECT_EQ(page_width_mm(doc->data.get()), p.width);
        EXPECT_EQ(page_height_mm(doc->data.get()), double(p.height));
        EXPECT_EQ(is_landscape(doc->data.get()), p.landscape) << p.width << " x " << p.height;
        EXPECT_EQ(paper_kind(doc->data.get()), p.kind) << p.width << " x " << p.height;
    }
}
