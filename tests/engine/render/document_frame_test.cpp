// The screen and print frame around the pages, its messages, and the page
// metrics.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cwchar>
#include <limits>

#include "engine/document/memory_environment.h"
#include "engine/document/page_setup.h"
#include "render_tree.h"

using namespace engine;
using namespace render_test;

namespace {

// A page setup that was never made, one standard page whose first block has
// one run, each with its own font.
class DocumentFrame : public RenderTest {
protected:
    void SetUp() override {
        doc = empty_document();
        add_page_setup(*doc);
        doc_element& block = add_block(add_page(*doc), L"");
        block.record.s3 = L"Block Face";
        block.record.v[0] = 14;
        add_run(block, L"").s3 = L"Run Face";
    }
    doc_group& setup() { return doc->data->page_setup.groups[0]; }
    void set_size(double width, std::uint16_t height) {
        setup().record.d1 = width;
        setup().record.v = {height, 0, 20, 15, 12, 25};
    }
    std::wstring screen() { return to_html(*doc, view_state{}); }
    std::wstring print() { return to_print_html(*doc, view_state{}); }

    std::unique_ptr<document> doc;
};

}  // namespace

TEST_F(DocumentFrame, AnUnsetPageSetupGetsTheDefaultsWrittenIntoTheTreeAndTheFrame) {
    setup().elements.pop_back();  // defaults go only into styles that exist
    setup().element_count = 1;
    render_context context(doc.get(), view_state{});
    const std::wstring html = render_html(context);
    EXPECT_EQ(html, screen());
    EXPECT_EQ(setup().record.d1, 210.0);
    EXPECT_EQ(setup().record.v, (std::array<std::uint16_t, 6>{297, 0, 19, 19, 10, 19}));
    EXPECT_EQ(setup().elements.size(), 1u);
    EXPECT_EQ(setup().elements[0].record.s3, L"Arial");
    for (const wchar_t* part :
         {L".mpage { width:210.000000mm;", L"<tr style=\"height:10.000000mm;\">",
          L"text-indent:19.000000mm;", L"text-indent:172.000000mm;", L"text-indent:18.000000mm;",
          L"<tr style=\"height:268.000000mm;\">", L"<tr style=\"height:19.000000mm;\">"})
        EXPECT_TRUE(contains(html, part)) << part;
    EXPECT_TRUE(contains(html, L"event.keyCode=0;}\">" + render_page_top(context)));
    EXPECT_TRUE(render_page_break(context).ends_with(L"</table>" + render_page_top(context)));

    // Without a page-setup group the defaults are used but not written.
    doc->data->page_setup = doc_node{};
    render_html(context);
    EXPECT_EQ(context.frame.content_width_text, L"172.000000mm");
    EXPECT_EQ(group_count_of(doc->data->page_setup), 0u);

    // A width that is no number is never set either.
    add_page_setup(*doc).record.d1 = std::nan("");
    render_html(context);
    EXPECT_EQ(context.frame.content_width_text, L"172.000000mm");
    EXPECT_EQ(setup().record.d1, 210.0);
}

TEST_F(DocumentFrame, AMadePageSetupGivesItsOwnGeometry) {
    set_size(216.5, 279);
    render_context context(doc.get(), view_state{}, render_target::print);
    EXPECT_EQ(render_html(context), print());
    EXPECT_EQ(context.frame.content_width_text, L"176.500000mm");   // 216.5 - (15 + 25)
    EXPECT_EQ(context.frame.content_height_text, L"247.000000mm");  // 279 - (20 + 12)
    EXPECT_EQ(context.frame.left_margin_text, L"25.000000mm");
    EXPECT_EQ(context.frame.right_margin_text, L"14.000000mm");
}

TEST_F(DocumentFrame, PrintFontComesFromTheFirstRunThenTheBlockThenThePage) {
    doc_group& page = doc->data->pages.groups[0];
    EXPECT_TRUE(contains(print(),
                         L"cellspacing=0 style=\"font-family:Run Face;font-size:11.0pt;"
                         L"width:172.000000mm;\"><tbody>"));
    page.elements[0].item_count = 0;
    EXPECT_TRUE(contains(print(), L"\"font-family:Block Face;font-size:14.0pt;"));
    page.element_count = 0;
    page.record.s3 = L"Page Face";
    page.record.v[0] = 9;
    EXPECT_TRUE(contains(print(), L"\"font-family:Page Face;font-size:9.0pt;"));
    page.record.a = 0;  // without a standard page the style is the width alone
    EXPECT_TRUE(contains(print(), L"cellspacing=0 style=\"width:172.000000mm;\">"));
}

TEST_F(DocumentFrame, OnPaperTheColumnStartsAtTheMarginsWhileASavedFileKeepsItsFrame) {
    // The browser's body margin and the cell padding would sit inside the
    // page margins; a saved HTML file keeps the bytes it always had.
    std::wstring saved = print();
    const std::wstring paper = to_paper_html(*doc, view_state{});
    for (const auto& [file, page] :
         {std::pair{L"> body {user-select", L"> body {margin:0;user-select"},
          std::pair{L"<table border=0 cellpadding=2 cellspacing=0 style=\"font-family",
                    L"<table border=0 cellpadding=0 cellspacing=0 style=\"font-family"}}) {
        ASSERT_EQ(count_of(saved, file), 1u) << file;
        saved.replace(saved.find(file), std::wcslen(file), page);
    }
    EXPECT_EQ(paper, saved);

    // A document without pages, or one that did not open, says so alike.
    document_data& data = *doc->data;
    data.pages = doc_node{};
    EXPECT_EQ(to_paper_html(*doc, view_state{}), print());
    doc->data.reset();
    doc->path = L"/docs/Lease.brik";
    EXPECT_EQ(to_paper_html(*doc, view_state{}), print());
}

TEST_F(DocumentFrame, ZoomIsWrittenAsAWholePercentWithinItsRange) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const std::pair<double, const wchar_t*> cases[] = {
        {125.7, L"zoom:125%"}, {std::nan(""), L"zoom:100%"}, {inf, L"zoom:100%"},
        {-inf, L"zoom:100%"},  {3.0, L"zoom:10%"},           {1e300, L"zoom:500%"},
    };
    // clang-format on
    for (const auto& [zoom, text] : cases) {
        doc->zoom = zoom;
        EXPECT_TRUE(contains(screen(), text)) << zoom;
    }
}

TEST_F(DocumentFrame, ARenderStartsAfreshAndLibraryVariablesNameTheSelectedSection) {
    add_group(doc->data->parameters);
    add_group(doc->data->parameters).record.s1 = L"Кадры";
    std::vector<doc_record>& variables = doc->data->scratch.records;
    render_context context(doc.get(), view_state{});
    context.render_position = {1, 2, 3, 4};
    context.numbering_counters = {5, 6, 7, 8, 9, 10};
    render_html(context);
    EXPECT_EQ(context.render_position, (std::array<std::int32_t, 4>{}));
    EXPECT_EQ(context.numbering_counters, (std::array<std::uint32_t, 6>{}));
    EXPECT_TRUE(variables.empty());

    variables.push_back(doc_record{});  // left over from an earlier render
    for (auto [section, name] : {std::pair{1, L"Кадры"}, {2, L""}, {-1, L""}, {1000, L""}}) {
        to_html(*doc, view_state{.library_shown = true, .section = section});
        ASSERT_EQ(variables.size(), 2u);
        EXPECT_EQ(variables[0].s1, L"активная|панель");
        EXPECT_EQ(variables[1].s1, L"active|panel");
        EXPECT_EQ(variables[0].s2, name) << section;
        EXPECT_EQ(variables[1].s2, name) << section;
    }
}

TEST_F(DocumentFrame, MessagesFollowTheLanguageAtOpeningAndQuoteTheEscapedName) {
    const memory_environment no_files;
    const std::wstring path = L"/library/O'Neil & <Sons>.v2.brik";
    document english(L""), english_failed(path, 0, no_files);
    document russian(L"", 1), russian_failed(path, 1, no_files);
    const view_state view;
    EXPECT_TRUE(contains(to_html(english, view),
                         L">The document is absent in the application workspace.</p>"));
    EXPECT_EQ(to_print_html(russian, view), L"Документ отсутствует в рабочем окружении программы.");
    EXPECT_EQ(to_html(english_failed, view),
              L"\"O&#39;Neil &amp; &lt;Sons&gt;\" file failed to open.");
    EXPECT_EQ(to_html(russian_failed, view),
              L"\"O&#39;Neil &amp; &lt;Sons&gt;\" не удалось открыть.");
    // Printing always speaks Russian.
    EXPECT_EQ(to_print_html(english_failed, view),
              L"Файл документа поврежден: \"O&#39;Neil &amp; &lt;Sons&gt;\" не удалось загрузить.");
    // The name may also come after a backslash.
    document windows_path(L"C:\\Library\\Договор.brik", 1);
    EXPECT_EQ(to_html(windows_path, view), L"\"Договор\" не удалось открыть.");
    // The program puts the text into a one-line script literal.
    document line_breaks(L"/library/first\nsecond\r.brik", 1);
    EXPECT_EQ(to_html(line_breaks, view), L"\"first&#10;second&#13;\" не удалось открыть.");
}

TEST_F(DocumentFrame, GeometryIgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    std::wstring html = screen();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(contains(html, L"text-indent:172.000000mm;"));
}

TEST_F(DocumentFrame, PageMetrics) {
    EXPECT_EQ(page_width_mm(nullptr), 210.0);
    EXPECT_EQ(page_height_mm(nullptr), 297.0);
    EXPECT_EQ(paper_kind(nullptr), 3.0);
    // clang-format off
    const struct { double width; std::uint16_t height; double landscape, kind; } papers[] = {
        {216, 279, 0, 0}, {279, 216, 1, 0}, {203, 254, 0, 1}, {254, 203, 1, 1},   {216, 356, 0, 2},
        {356, 216, 1, 2}, {210, 297, 0, 3}, {297, 210, 1, 3}, {216.5, 279, 0, 3}, {250, 250, 0, 3},
    };
    // clang-format on
    for (const auto& p : papers) {
        set_size(p.width, p.height);
        SCOPED_TRACE(testing::Message() << p.width << " x " << p.height);
        EXPECT_EQ(page_width_mm(doc->data.get()), p.width);
        EXPECT_EQ(page_height_mm(doc->data.get()), double(p.height));
        EXPECT_EQ(is_landscape(doc->data.get()), p.landscape);
        EXPECT_EQ(paper_kind(doc->data.get()), p.kind);
    }
}
