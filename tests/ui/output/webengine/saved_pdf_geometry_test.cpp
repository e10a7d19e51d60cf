// A saved PDF puts the text where the page setup says and at its own size:
// every library template in both languages, other margins and a landscape
// Letter page, saved through the save button and read back with poppler's
// word boxes; a short table that a page's end would split moves whole to the
// next page, and the heading above it goes along; a heading never ends a page
// above a short first clause, and no page is blank.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/open_document.h"
#include "app/real_views.h"
#include "core/engine_services.h"
#include "core/file_paths.h"
#include "core/interface_language_fixture.h"
#include "engine/document/page_setup.h"
#include "support/temp_folder.h"
#include "ui/output/library_documents.h"
#include "ui/output/print_view.h"

namespace {

namespace fs = std::filesystem;
using app_test::wait_until;

constexpr double mm_per_point = 25.4 / 72.0;

struct WordBox {
    double left, top, right, bottom;  // mm from the page's top left corner
    QString text;
};

struct PdfPage {
    double width = 0, height = 0;  // mm
    std::vector<WordBox> words;
};

// Word boxes as poppler finds them: from each word's first glyph origin to
// the end of its last glyph's advance, as tall as the font's ascent and
// descent at the size drawn.
std::vector<PdfPage> word_boxes(const fs::path& pdf) {
    QProcess reader;
    reader.start("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"});
    std::vector<PdfPage> pages;
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) return pages;
    static const QRegularExpression tag(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">|<word xMin="([0-9.]+)" yMin="([0-9.]+)" )re"
        R"re(xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    auto matches = tag.globalMatch(QString::fromUtf8(reader.readAllStandardOutput()));
    while (matches.hasNext()) {
        const auto match = matches.next();
        auto mm = [&](int group) { return match.captured(group).toDouble() * mm_per_point; };
        if (!match.captured(1).isEmpty()) {
            pages.push_back({mm(1), mm(2), {}});
        } else if (!pages.empty()) {
            pages.back().words.push_back({mm(3), mm(4), mm(5), mm(6), match.captured(7)});
        }
    }
    return pages;
}

// Where the body's words lie on every page (the footer in the bottom margin
// left out) and the height most of them have.
struct Column {
    double left = 1e9, right = 0;
    double word_height = 0;
    std::size_t words = 0;
};

Column body_column(const std::vector<PdfPage>& pages, double bottom_margin) {
    Column column;
    std::map<long, std::size_t> heights;  // micrometres
    for (const PdfPage& page : pages) {
        for (const WordBox& word : page.words) {
            if (word.bottom > page.height - bottom_margin) continue;
            column.left = std::min(column.left, word.left);
            column.right = std::max(column.right, word.right);
            ++heights[std::lround((word.bottom - word.top) * 1000)];
            ++column.words;
        }
    }
    const auto most = std::max_element(heights.begin(), heights.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    if (most != heights.end()) column.word_height = double(most->first) / 1000;
    return column;
}

// The height of an 11-point word of the library's font, printed by the print
// view from a page that fits it, so at scale 1.
double reference_word_height(app::MainWindow& window, const fs::path& folder) {
    platform::WebView& view = *window.elements().preview_webview;
    const std::wstring page =
        L"<html><head><style>body{margin:0}</style></head><body><div "
        L"style=\"font-family:Arial;font-size:11.0pt\">Reference Эталон</div></body></html>";
    // The print view takes a page only once its own first page has loaded.
    const wchar_t* const shell_loaded =
        L"location.href === 'tembrick:shell' && document.readyState === 'complete'";
    if (!wait_until([&] { return app_test::run_script(view, shell_loaded) == L"true"; }, 60000))
        return 0;
    if (app_test::run_script(view, ui::replace_page_script(page) + L"true") != L"true") return 0;
    const auto& formatting = window.session().formatting();
    auto task = window.print_preview().Output().print_to_pdf(
        view, ui::print_layout(window.session().data(), ui::margins_of(formatting)));
    if (!wait_until([&] { return task.done(); }, 60000)) return 0;
    const platform::PdfBytes pdf = task.take();
    const fs::path file = folder / "reference.pdf";
    fixture::write_bytes(file, std::string(pdf.begin(), pdf.end()));
    const Column column = body_column(word_boxes(file), 0);
    // Nothing pushes the text in from the margin the layout gives.
    EXPECT_NEAR(column.left, formatting.margin_left, 0.3);
    return column.word_height;
}

struct Case {
    output_test::LibraryDocument document;
    std::function<void(core::session&)> change;
};

// Margins as the margin sliders set them: in the page setup and in the
// formatting the print reads.
void margins_25_15_20_30(core::session& session) {
    auto& setup = *core::page_setup_record(session.data());
    setup.v[4] = 25, setup.v[3] = 15, setup.v[2] = 20, setup.v[5] = 30;
    auto& cache = session.formatting();
    cache.margin_top = 25, cache.margin_right = 15, cache.margin_bottom = 20,
    cache.margin_left = 30;
}

void letter_landscape(core::session& session) {
    auto& setup = *core::page_setup_record(session.data());
    setup.d1 = 279;
    setup.v[0] = 216;
}

// The page the page-end tests use: Letter landscape with wide margins.
void letter_landscape_with_wide_margins(core::session& session) {
    letter_landscape(session);
    margins_25_15_20_30(session);
}

// The block whose own text is `text`; null when there is none.
engine::doc_element* block_headed(core::session& session, std::wstring_view text) {
    for (auto& page : session.data()->pages.groups)
        for (auto& block : page.elements)
            if (block.record.s2 == text) return &block;
    return nullptr;
}

// The number of the first page `word` stands on; 0 when on none.
int page_of(const std::vector<PdfPage>& pages, const QString& word) {
    for (std::size_t page = 0; page < pages.size(); ++page)
        for (const WordBox& box : pages[page].words)
            if (box.text == word) return int(page) + 1;
    return 0;
}

// The body's lines of a page, top to bottom, each its words left to right;
// the footer in the bottom margin left out.
struct Line {
    double top = 0, bottom = 0;
    QString text;
};

std::vector<Line> body_lines(const PdfPage& page, double bottom_margin) {
    std::vector<WordBox> words;
    for (const WordBox& word : page.words)
        if (word.bottom <= page.height - bottom_margin) words.push_back(word);
    std::sort(words.begin(), words.end(), [](const WordBox& a, const WordBox& b) {
        return a.bottom != b.bottom ? a.bottom < b.bottom : a.left < b.left;
    });
    std::vector<Line> lines;
    for (const WordBox& word : words) {
        // Words of one line share their baseline within a fraction of a line.
        if (lines.empty() || word.bottom - lines.back().bottom > 1.0) {
            lines.push_back({word.top, word.bottom, word.text});
        } else {
            lines.back().text += ' ' + word.text;
            lines.back().top = std::min(lines.back().top, word.top);
        }
    }
    return lines;
}

// The lines at the top of a page before the first gap wider than a line's
// own spacing: the paragraph (or table rows) that opens the page.
int opening_lines(const std::vector<Line>& lines) {
    if (lines.empty()) return 0;
    double pitch = 1e9;
    for (std::size_t n = 1; n < lines.size(); ++n)
        pitch = std::min(pitch, lines[n].bottom - lines[n - 1].bottom);
    int count = 1;
    while (std::size_t(count) < lines.size() &&
           lines[std::size_t(count)].bottom - lines[std::size_t(count) - 1].bottom < pitch * 1.3)
        ++count;
    return count;
}

// The block texts of the document that hold no field, blanks made single:
// the headings a page may show.
std::set<QString> fixed_headings(const engine::document_data& data) {
    std::set<QString> headings;
    for (const auto& page : data.pages.groups)
        for (const auto& block : page.elements) {
            const QString text = QString::fromStdWString(block.record.s2).simplified();
            if (!block.items.empty() && !text.isEmpty() && !text.contains('{'))
                headings.insert(text);
        }
    return headings;
}

// What is wrong with the pages of a saved PDF: a heading ending a page with
// at most six lines opening the next, or a page without a word of the body.
QStringList headings_alone_and_blank_pages(const std::vector<PdfPage>& pages,
                                           const std::set<QString>& headings,
                                           double bottom_margin) {
    static const QRegularExpression number(R"(^[0-9]+(\.[0-9]+)*\.? )");
    QStringList faults;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const std::vector<Line> lines = body_lines(pages[n], bottom_margin);
        if (lines.empty()) {
            faults << QString("page %1 is blank").arg(n + 1);
            continue;
        }
        if (n + 1 == pages.size()) continue;
        const QString last = QString(lines.back().text).remove(number);
        const int next = opening_lines(body_lines(pages[n + 1], bottom_margin));
        if (headings.count(last) && next <= 6)
            faults << QString("\"%1\" ends page %2 above %3 lines").arg(last).arg(n + 1).arg(next);
    }
    return faults;
}

// The built library's Sales Agreement, open in the save/print panel.
std::unique_ptr<app_test::OpenDocument> open_sales_agreement() {
    const fs::path share = PAPERWRIGHT_BUILT_SHARE;
    return std::make_unique<app_test::OpenDocument>(
        share, "Sales Agreement",
        fixture::read_bytes(share / "briks/01/Agreements/Sales Agreement.brik"));
}

using SavedPdf = core_test::interface_language_test;

// The longest value of the sweep below: far enough to carry each template's
// headings past two pages' ends.
constexpr std::size_t sweep_characters = 2400;

TEST_F(SavedPdf, TextStartsAtTheMarginsTheUserSetAndIsDrawnAtItsOwnSize) {
    ASSERT_FALSE(QStandardPaths::findExecutable("pdftotext").isEmpty())
        << "poppler-utils is not installed (tools/dev.sh installs it)";
    const fs::path share = PAPERWRIGHT_BUILT_SHARE;
    std::vector<Case> cases;
    for (auto& document : output_test::library_documents(share)) cases.push_back({document, {}});
    ASSERT_EQ(cases.size(), 14u);
    const auto sales = std::find_if(cases.begin(), cases.end(), [](const Case& c) {
        return c.document.name == "Sales Agreement";
    });
    ASSERT_NE(sales, cases.end());
    // Under names of their own: the window writes a document it leaves
    // back into its file.
    output_test::LibraryDocument agreement = sales->document;
    agreement.name = "Sales Agreement wide margins";
    cases.push_back({agreement, margins_25_15_20_30});
    agreement.name = "Sales Agreement Letter landscape";
    cases.push_back({agreement, letter_landscape});

    app_test::OpenDocument open(share, cases[0].document.name, cases[0].document.bytes);
    ASSERT_TRUE(open.ready());
    app::MainWindow& window = *open.window;
    core::session& session = window.session();
    fixture::temp_folder work;
    const double reference = reference_word_height(window, work.path());
    ASSERT_GT(reference, 3.0);

    for (std::size_t n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(c.document.name);
        ASSERT_TRUE(
            output_test::open_in(open, c.document.name, c.document.language, c.document.bytes));
        if (c.change) c.change(session);
        const fs::path folder = work.path() / std::to_string(n);
        fs::create_directories(folder);
        session.output().save_folder = core::text_of(folder);
        session.output().save_format = core::SaveFormat::pdf;
        ASSERT_EQ(output_test::save(window),
                  session.language() == 1 ? L"Документ сохранён." : L"Document saved.");
        const fs::path file = fs::directory_iterator(folder)->path();

        const std::vector<PdfPage> pages = word_boxes(file);
        ASSERT_FALSE(pages.empty());
        const auto& margins = session.formatting();
        const Column column = body_column(pages, margins.margin_bottom);
        ASSERT_GT(column.words, 50u);
        EXPECT_NEAR(column.left, margins.margin_left, 0.3);
        // From the left edge as the page setup has it: the paper itself may
        // be the standard size the whole millimetres stand for (Letter is
        // 279.4 mm wide).
        const double page_width = engine::page_width_mm(session.data());
        EXPECT_NEAR(column.right, page_width - margins.margin_right, 0.5);
        EXPECT_NEAR(column.word_height / reference, 1.0, 0.01);
    }
}

// The Sales Agreement's signature table on Letter landscape with wide
// margins ended page 1 with its signature lines and left the names alone on
// page 2. A row of names over a signature line, pushed down past the page's
// end a little at a time by the space above it, stays on one page.
TEST_F(SavedPdf, AShortTableThatAPagesEndWouldSplitMovesWholeToTheNextPage) {
    const auto open = open_sales_agreement();
    ASSERT_TRUE(open->ready());
    app::MainWindow& window = *open->window;
    core::session& session = window.session();
    letter_landscape_with_wide_margins(session);
    engine::doc_record* signatures = nullptr;
    for (auto& page : session.data()->pages.groups)
        for (auto& block : page.elements)
            for (auto& item : block.items)
                if (item.s2.starts_with(L"{TABLE:100%,4}")) signatures = &item;
    ASSERT_NE(signatures, nullptr);
    signatures->s2 = L"{TABLE:100%,4}{ROW:}{CELL:}Signatories{ROW:30}{CELL:0,0,1,0}Lines{:TABLE}";
    fixture::temp_folder folder;
    session.output().save_folder = core::text_of(folder.path());
    std::set<int> table_pages;
    for (std::uint16_t space = 0; space <= 30; space += 2) {
        signatures->v[4] = space;
        ASSERT_EQ(output_test::save(window), L"Document saved.");
        const std::vector<PdfPage> pages = word_boxes(folder.path() / "Sales Agreement.pdf");
        const int names = page_of(pages, QStringLiteral("Signatories"));
        ASSERT_GT(names, 0) << space;
        EXPECT_EQ(page_of(pages, QStringLiteral("Lines")), names) << space;
        table_pages.insert(names);
    }
    // The space carried the table across the page's end.
    EXPECT_EQ(table_pages.size(), 2u);
}

// With its own values on Letter landscape and those margins, the Sales
// Agreement's signature table moved whole to page 2 and left its heading
// alone at the foot of page 1; so did a table of five rows, which breaks
// between its rows. More space above the table, a little at a time, carries
// the tables across the page's end.
TEST_F(SavedPdf, AHeadingRightAboveAMovedTableMovesWithIt) {
    const fs::path share = PAPERWRIGHT_BUILT_SHARE;
    struct Agreement {
        std::string file;
        int language;
        std::wstring heading;
        std::wstring fifth_row;  // a table that breaks between its rows
    };
    const Agreement agreements[] = {
        {"01/Agreements/Sales Agreement", 0, L"SIGNATURES", L""},
        {"00/Договоры/Договор купли-продажи", 1, L"ПОДПИСИ СТОРОН", L""},
        {"01/Agreements/Sales Agreement", 0, L"SIGNATURES",
         L"{ROW:}{CELL:}Witness{CELL:}{CELL:}Witness"},
    };
    const auto open = open_sales_agreement();
    ASSERT_TRUE(open->ready());
    app::MainWindow& window = *open->window;
    core::session& session = window.session();
    fixture::temp_folder work;
    for (const Agreement& agreement : agreements) {
        SCOPED_TRACE(agreement.file);
        const std::string name = fs::path(agreement.file).filename().string() +
                                 (agreement.fifth_row.empty() ? " wide" : " five rows");
        ASSERT_TRUE(output_test::open_in(
            *open, name, agreement.language,
            fixture::read_bytes(share / "briks" / (agreement.file + ".brik"))));
        letter_landscape_with_wide_margins(session);
        engine::doc_element* block = block_headed(session, agreement.heading);
        ASSERT_TRUE(block && !block->items.empty());
        engine::doc_record* table = &block->items[0];
        if (!agreement.fifth_row.empty())
            table->s2.insert(table->s2.rfind(L"{:TABLE}"), agreement.fifth_row);
        const QString heading = QString::fromStdWString(agreement.heading).section(' ', 0, 0);
        const fs::path folder = work.path() / name;
        fs::create_directories(folder);
        session.output().save_folder = core::text_of(folder);
        session.output().save_format = core::SaveFormat::pdf;
        const std::uint16_t own_space = table->v[4];
        bool moved = false;
        for (int step = -1; step <= 20; ++step) {
            table->v[4] = step < 0 ? own_space : std::uint16_t(step * 3);
            ASSERT_NE(output_test::save(window), L"<no message>");
            const std::vector<PdfPage> pages = word_boxes(fs::directory_iterator(folder)->path());
            if (step < 0 && agreement.language == 0) {
                EXPECT_EQ(pages.size(), 2u);  // as found
            }
            // The table ends the document: its heading stands on its last page.
            EXPECT_EQ(page_of(pages, heading), int(pages.size())) << table->v[4];
            moved = moved || pages.size() == 2;
        }
        EXPECT_TRUE(moved);
    }
}

// On Letter landscape with wide margins, more space above the Sales
// Agreement's "GOVERNING LAW", a little at a time, brings it to the foot of
// page 1, where it stood alone with its clause on page 2; it goes to page 2
// with its clause, its number beside the text or hanging in a column, and
// with a clause of five lines.
TEST_F(SavedPdf, AHeadingAtAPagesFootGoesToTheNextPageWithItsFirstClause) {
    const auto open = open_sales_agreement();
    ASSERT_TRUE(open->ready());
    app::MainWindow& window = *open->window;
    core::session& session = window.session();
    letter_landscape_with_wide_margins(session);
    engine::doc_element* block = block_headed(session, L"GOVERNING LAW");
    ASSERT_TRUE(block && !block->items.empty());
    engine::doc_record* heading = &block->record;
    const std::wstring own_clause = block->items[0].s2;
    std::wstring five_lines = own_clause;
    for (int n = 0; n < 5; ++n)
        five_lines += L" Each Party submits to the courts of that place for any dispute under it.";
    fixture::temp_folder folder;
    session.output().save_folder = core::text_of(folder.path());
    const std::pair<bool, const std::wstring*> cases[] = {
        {false, &own_clause}, {true, &own_clause}, {false, &five_lines}};
    for (const auto& [hanging, clause] : cases) {
        session.data()->page_setup.record.v[1] = hanging ? 1 : 0;
        block->items[0].s2 = *clause;
        std::set<int> heading_pages;
        for (std::uint16_t space = 0; space <= 60; space += 3) {
            heading->v[4] = space;
            ASSERT_EQ(output_test::save(window), L"Document saved.");
            const std::vector<PdfPage> pages = word_boxes(folder.path() / "Sales Agreement.pdf");
            const int at = page_of(pages, QStringLiteral("GOVERNING"));
            ASSERT_GT(at, 0) << space;
            EXPECT_EQ(page_of(pages, QStringLiteral("governed")), at)
                << hanging << " " << clause->size() << " " << space;
            heading_pages.insert(at);
        }
        EXPECT_EQ(heading_pages.size(), 2u) << hanging << " " << clause->size();
    }
}

// A template with a signature table and the field whose value grows there.
struct Grown {
    const char* document;
    const wchar_t* field;
};

const Grown grown_values[] = {
    {"Non-Disclosure Agreement", L"Purpose"},
    {"Sales Agreement", L"Goods"},
    {"Service Agreement", L"Services"},
    {"Договор купли-продажи", L"Вещь"},
    {"Договор оказания услуг", L"Услуги"},
    {"Шаблон договора с произвольным текстом", L"Предмет договора"},
    {"Трудовой договор", L"Подразделение"},
    {"Акт сдачи-приёмки", L"Работы"},
};

// The template's name stands in the test's name, which CTest takes from the
// printed value: the bytes of its pointers would differ from run to run.
void PrintTo(const Grown& grown, std::ostream* out) { *out << grown.document; }

class SavedPdfAsAValueGrows : public core_test::interface_language_test,
                              public ::testing::WithParamInterface<Grown> {};

// One of its values growing 40 characters at a time on Letter landscape with
// wide margins: no heading ends a page above a first clause of six lines or
// fewer, and no page is blank. Each template is a test of its own, so each
// test's saves are bounded by one value's growth, however busy the machine.
TEST_P(SavedPdfAsAValueGrows, NoHeadingEndsAPageAloneAndNoPageIsBlank) {
    const Grown& grown = GetParam();
    const fs::path share = PAPERWRIGHT_BUILT_SHARE;
    const auto documents = output_test::library_documents(share);
    const auto document = std::find_if(
        documents.begin(), documents.end(),
        [&](const output_test::LibraryDocument& d) { return d.name == grown.document; });
    ASSERT_NE(document, documents.end());
    const auto open = open_sales_agreement();
    ASSERT_TRUE(open->ready());
    app::MainWindow& window = *open->window;
    core::session& session = window.session();
    ASSERT_TRUE(output_test::open_in(*open, document->name + " grown", document->language,
                                     document->bytes));
    letter_landscape_with_wide_margins(session);
    engine::doc_record* value = nullptr;
    for (auto& section : session.data()->parameters.groups)
        for (auto& element : section.elements)
            if (element.record.s1 == grown.field) value = &element.record;
    ASSERT_NE(value, nullptr);
    const std::set<QString> headings = fixed_headings(*session.data());
    fixture::temp_folder folder;
    session.output().save_folder = core::text_of(folder.path());
    session.output().save_format = core::SaveFormat::pdf;
    const std::wstring words = document->language == 1
                                   ? L"стулья офисные, модель ЭргоЛайн, цвет графит; "
                                   : L"office chairs, model ErgoLine, color graphite; ";
    std::wstring text;
    while (text.size() < sweep_characters) text += words;
    for (std::size_t length = 40; length <= sweep_characters; length += 40) {
        value->s2 = text.substr(0, length);
        ASSERT_NE(output_test::save(window), L"<no message>");
        const QStringList faults = headings_alone_and_blank_pages(
            word_boxes(fs::directory_iterator(folder.path())->path()), headings, 20);
        EXPECT_TRUE(faults.isEmpty()) << length << ": " << faults.join("; ").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplateWithASignatureTable, SavedPdfAsAValueGrows,
                         ::testing::ValuesIn(grown_values));

}  // namespace
