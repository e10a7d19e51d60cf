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
    std::unique_ptr<document> open(const brik_tree& tree) {
        write_bytes(folder.file("Frame.brik"), write_brik(tree));
        return std::make_unique<document>(engine_path(folder.file("Frame.brik")));
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

}  // namespace

TEST_F(DocumentFrame, TheNewestLiveDocumentIsCurrent) {
    auto doc = open(unset_tree());
    EXPECT_EQ(current_document, doc.get());
    auto newer = std::make_unique<document>(L"");
    doc.reset();  // an older document leaves the newer one current
    EXPECT_EQ(current_document, newer.get());
    newer.reset();
    EXPECT_EQ(current_document, nullptr);
}

TEST_F(DocumentFrame, UnsetPageSetupGetsTheDefaultsWrittenIntoTheTree) {
    auto doc = open(unset_tree());
    doc->to_html();
    EXPECT_EQ(doc->content_width_text, L"172.000000mm");
    EXPECT_EQ(doc->content_height_text, L"268.000000mm");
    const doc_group& setup = doc->data->page_setup.groups[0];
    EXPECT_EQ(setup.record.d1, 210.0);
    EXPECT_EQ(setup.record.v, (std::array<std::uint16_t, 6>{297, 0, 19, 19, 10, 19}));
    EXPECT_EQ(setup.elements[1].record.v[4], 12);
    EXPECT_EQ(setup.elements[0].record.s3, L"Arial");

    // Defaults go only into a group and styles that exist.
    brik_tree bare = unset_tree();
    bare.page_setup.groups[0].elements.resize(1);
    doc = open(bare);
    doc->to_html();
    EXPECT_EQ(doc->data->page_setup.groups[0].elements.size(), 1u);
    bare.page_setup.groups.clear();
    doc = open(bare);
    doc->to_html();
    EXPECT_EQ(doc->content_width_text, L"172.000000mm");
    EXPECT_EQ(group_count_of(doc->data->page_setup), 0u);
}

TEST_F(DocumentFrame, AMadePageSetupGivesItsOwnGeometry) {
    auto doc = open(sized_tree(216.5, 279));
    doc->to_print_html();
    EXPECT_EQ(doc->content_width_text, L"176.500000mm");   // 216.5 - (15 + 25)
    EXPECT_EQ(doc->content_height_text, L"247.000000mm");  // 279 - (20 + 12)
    EXPECT_EQ(doc->left_margin_text, L"25.000000mm");
    EXPECT_EQ(doc->right_margin_text, L"14.000000mm");
    EXPECT_EQ(render_mode, 1);
}

TEST_F(DocumentFrame, ScreenFramePutsTheMarginsAroundTheContent) {
    auto doc = open(unset_tree());
    const std::wstring html = doc->to_html();
    const std::wstring top = doc->render_page_top();
    EXPECT_TRUE(html.starts_with(L"<!DOCTYPE HTML"));
    EXPECT_TRUE(contains(html, L"<body onkeydown=\"{window.event.returnValue=null;event.keyCode=0;}\">" + top));
    for (const wchar_t* part : {L".mpage { width:210.000000mm;", L"<tr style=\"height:10.000000mm;\">",
                                L"text-indent:19.000000mm;", L"text-indent:172.000000mm;",
                                L"text-indent:18.000000mm;", L"<tr style=\"height:268.000000mm;\">",
                                L"<tr style=\"height:19.000000mm;\">"})
        EXPECT_TRUE(contains(html, part)) << part;
    EXPECT_TRUE(html.ends_with(L"</tr></table></body></html>"));
    // A break ends the page, leaves a gap and starts the next one.
    const std::wstring page_break = doc->render_page_break();
    EXPECT_TRUE(page_break.starts_with(L"</td><td style=\"\"></td></tr>"));
    EXPECT_TRUE(page_break.ends_with(L"&nbsp;</td></tr></table>" + top));
}

TEST_F(DocumentFrame, PrintFontComesFromTheFirstRunThenTheBlockThenThePage) {
    brik_tree tree = unset_tree();
    std::wstring html = open(tree)->to_print_html();
    EXPECT_TRUE(contains(html, L"<table border=0 cellpadding=2 cellspacing=0 style=\"font-family:"
                               L"Times New Roman;font-size:12.0pt;width:172.000000mm;\"><tbody>"));
    tree.pages.groups[0].elements[0].items.clear();
    EXPECT_TRUE(contains(open(tree)->to_print_html(), L"\"font-family:Block Face;font-size:14.0pt;"));
    tree.pages.groups[0].elements.clear();
    tree.pages.groups[0].record.s3 = u"Page Face";
    tree.pages.groups[0].record.v[0] = 9;
    EXPECT_TRUE(contains(open(tree)->to_print_html(), L"\"font-family:Page Face;font-size:9.0pt;"));
    // Without a standard page the style is the width alone.
    tree.pages.groups[0].record.a = 0;
    EXPECT_TRUE(contains(open(tree)->to_print_html(), L"cellspacing=0 style=\"width:172.000000mm;\">"));
}

TEST_F(DocumentFrame, ZoomIsWrittenAsAWholePercentWithinItsRange) {
    auto doc = open(unset_tree());
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const wchar_t*> cases[] = {
        {125.7, L"zoom:125%"}, {std::nan(""), L"zoom:100%"}, {inf, L"zoom:100%"},
        {-inf, L"zoom:100%"},  {3.0, L"zoom:10%"},           {1e300, L"zoom:500%"},
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
    for (auto [section, name] : {std::pair{1, L"Кадры"}, {2, L""}, {-1, L""}, {1000, L""}}) {
        current_section = section;
        doc->to_html();
        ASSERT_EQ(variables.size(), 2u);
        EXPECT_EQ(variables[0].s1, L"активная|панель");
        EXPECT_EQ(variables[1].s1, L"active|panel");
        EXPECT_EQ(variables[0].s2, name) << section;
        EXPECT_EQ(variables[1].s2, name) << section;
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

TEST_F(DocumentFrame, MessagesFollowTheLanguageAtOpeningAndQuoteTheEscapedName) {
    document english(L"");
    std::wstring path = engine_path(folder.file("O'Neil & <Sons>.v2.brik"));
    document english_failed(path);
    current_language = 1;
    document russian(L"");
    document russian_failed(path);
    EXPECT_TRUE(contains(english.to_html(),
                         L"11.0pt;\">The document is absent in the application workspace.</p>"));
    EXPECT_EQ(russian.to_print_html(), L"Документ отсутствует в рабочем окружении программы.");
    EXPECT_EQ(english_failed.to_html(), L"\"O&#39;Neil &amp; &lt;Sons&gt;\" file failed to open.");
    EXPECT_EQ(russian_failed.to_html(), L"\"O&#39;Neil &amp; &lt;Sons&gt;\" не удалось открыть.");
    // Printing always speaks Russian.
    EXPECT_EQ(english_failed.to_print_html(),
              L"Файл документа поврежден: \"O&#39;Neil &amp; &lt;Sons&gt;\" не удалось загрузить.");
    // The name may also come after a backslash.
    EXPECT_EQ(document(L"C:\\Library\\Договор.brik").to_html(), L"\"Договор\" не удалось открыть.");
    // The program puts the text into a one-line script literal.
    EXPECT_EQ(document(L"/library/first\nsecond\r.brik").to_html(),
              L"\"first&#10;second&#13;\" не удалось открыть.");
}

TEST_F(DocumentFrame, GeometryIgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    std::wstring html = open(unset_tree())->to_html();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(contains(html, L"text-indent:172.000000mm;"));
}

TEST_F(DocumentFrame, PageMetrics) {
    EXPECT_EQ(page_width_mm(nullptr), 210.0);
    EXPECT_EQ(page_height_mm(nullptr), 297.0);
    EXPECT_EQ(paper_kind(nullptr), 3.0);
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
        auto doc = open(sized_tree(p.width, p.height));
        EXPECT_EQ(page_width_mm(doc->data.get()), p.width);
        EXPECT_EQ(page_height_mm(doc->data.get()), double(p.height));
        EXPECT_EQ(is_landscape(doc->data.get()), p.landscape) << p.width << " x " << p.height;
        EXPECT_EQ(paper_kind(doc->data.get()), p.kind) << p.width << " x " << p.height;
    }
}
