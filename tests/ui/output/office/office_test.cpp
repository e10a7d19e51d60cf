// DOC files saved by the program and opened in a real word processor
// (LibreOffice, headless, with a profile of its own): every library template
// in both languages, two with a value full of typographic characters, a
// Letter landscape page and numbers in a column of their own beside the text.
// Each must be read as HTML, on the document's paper
// and margins, run to as many pages as the program prints, show every word
// of the screen page, keep the document's font in table cells and the column
// widths the template asks for, mark its text in the document's language,
// keep the space asked above each table and keep a signature table's heading
// with it (on wide margins, where the table moves to page 2). Converted
// straight to PDF, each DOC keeps its title on its first page and has no
// blank page.
#include <gtest/gtest.h>

#include <QPdfDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWebEnginePage>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "app/open_document.h"
#include "app/real_views.h"
#include "core/file_paths.h"
#include "core/interface_language_fixture.h"
#include "support/temp_folder.h"
#include "ui/output/library_documents.h"
#include "ui/output/office/odt_document.h"

namespace {

namespace fs = std::filesystem;
using app_test::wait_until;
using office_test::OdtDocument;

struct Case {
    output_test::LibraryDocument document;
    std::function<void(core::session&)> change;
    QString heading_on_last_page = {};
};

struct Saved {
    std::string name;
    fs::path doc, print;
    QStringList screen_words;
    QString title;  // the screen page's first line
    office_test::PageLayout asked_page;
    QString font;
    QString language;  // as the word processor names it
    // Each table of the DOC in order: the shares its first row's cells ask
    // for, when every cell asks one.
    std::vector<std::optional<std::vector<double>>> asked_columns;
    std::vector<double> asked_space_above;
    // The paragraphs asked to stay on the page of what follows them.
    qsizetype asked_keeps = 0;
    // The heading of a table that moves to the last page, which goes along.
    QString heading_on_last_page;
};

const fs::path share = PAPERWRIGHT_BUILT_SHARE;

engine::doc_record* field_named(engine::document_data& data, const std::wstring& name) {
    for (auto& section : data.parameters.groups)
        for (auto& field : section.elements)
            if (field.record.s1 == name) return &field.record;
    return nullptr;
}

std::function<void(core::session&)> typographic_value(std::wstring field) {
    return [field](core::session& session) {
        engine::doc_record* record = field_named(*session.data(), field);
        ASSERT_NE(record, nullptr) << "no field " << QString::fromStdWString(field).toStdString();
        record->s2 = L"Acme €€ «Trade» — №7";
    };
}

void letter_landscape(core::session& session) {
    auto& setup = session.data()->page_setup.groups.at(0).record;
    setup.d1 = 279;
    setup.v[0] = 215;
}

// Wide margins as the margin sliders set them, in the page setup and in the
// formatting the print reads: the signature table moves to page 2.
void letter_landscape_wide_margins(core::session& session) {
    letter_landscape(session);
    auto& setup = session.data()->page_setup.groups.at(0).record;
    setup.v[4] = 25, setup.v[3] = 15, setup.v[2] = 20, setup.v[5] = 30;
    auto& cache = session.formatting();
    cache.margin_top = 25, cache.margin_right = 15, cache.margin_bottom = 20,
    cache.margin_left = 30;
}

// Numbers in a column of their own, the text beside them.
void hanging_numbers(core::session& session) {
    engine::document_data& data = *session.data();
    data.page_setup.record.v[1] = 1;
    for (auto& page : data.pages.groups) {
        for (auto& block : page.elements) {
            if (block.record.a != 0) block.record.d2 = 12;
            for (auto& item : block.items)
                if (item.a != 0) item.d2 = 12;
        }
    }
}

const engine::doc_record* font_record(const engine::document_data& data) {
    for (const auto& page : data.pages.groups) {
        if (page.record.a != 1) continue;
        if (page.elements.empty()) return &page.record;
        const auto& block = page.elements[0];
        return block.items.empty() ? &block.record : &block.items[0];
    }
    return nullptr;
}

// The width shares of the first row of every table of the HTML, in order of
// the tables' openings: percentages as they are, pixels of the row's sum.
std::vector<std::optional<std::vector<double>>> asked_columns(const std::string& html) {
    struct Open {
        std::size_t index;
        int rows;
        bool all_given;
        QStringList widths;
    };
    std::vector<std::optional<std::vector<double>>> tables;
    std::vector<Open> open;
    static const QRegularExpression tag(R"(<(/?)(table|tr|td)\b([^>]*)>)",
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression width(R"(\bwidth=([0-9.]+%?))");
    static const QRegularExpression css_percent(R"(\bwidth:([0-9.]+%))");
    auto matches = tag.globalMatch(QString::fromStdString(html));
    auto close = [&] {
        const Open& table = open.back();
        const auto percent = std::count_if(table.widths.begin(), table.widths.end(),
                                           [](const QString& w) { return w.endsWith('%'); });
        if (table.all_given && !table.widths.isEmpty() &&
            (percent == 0 || percent == table.widths.size())) {
            double whole = 0;
            for (const QString& w : table.widths) whole += w.toDouble();
            std::vector<double> shares;
            for (const QString& w : table.widths)
                shares.push_back(percent ? w.chopped(1).toDouble() / 100 : w.toDouble() / whole);
            tables[table.index] = shares;
        }
        open.pop_back();
    };
    while (matches.hasNext()) {
        const auto match = matches.next();
        const QString name = match.captured(2).toLower();
        if (match.captured(1) == "/") {
            if (name == "table" && !open.empty()) close();
            continue;
        }
        if (name == "table") {
            open.push_back({tables.size(), 0, true, {}});
            tables.emplace_back();
        } else if (open.empty()) {
            continue;
        } else if (name == "tr") {
            ++open.back().rows;
        } else if (open.back().rows <= 1) {
            // The template's width stands in the cell's style; the pixels of
            // a numbered paragraph's cells only in the attribute.
            const QString attributes = match.captured(3);
            const auto styled = css_percent.match(attributes);
            const auto given = styled.hasMatch() ? styled : width.match(attributes);
            if (!given.hasMatch() || attributes.contains("colspan")) {
                open.back().all_given = false;
            } else {
                open.back().widths.append(given.captured(1));
            }
        }
    }
    while (!open.empty()) close();
    return tables;
}

// The space each table of the body (not one in a cell) asks above it, in
// order: its own top margin (a numbered paragraph in table form), else that
// of the paragraph it opens; none after text of its own paragraph. A table
// with no text before it since the start or the table before has nothing
// that could carry a space in the word processor, which sets such tables
// one right below the other.
std::vector<double> asked_space_above(const std::string& html) {
    static const QRegularExpression token(R"(<(/?)(\w+)\b([^>]*)>|[^<]+)");
    static const QRegularExpression margin(R"(margin-top:([0-9.]+)mm)");
    std::vector<double> tables;
    int depth = 0;
    double paragraph_space = 0;
    bool text_since_table = false, text_in_paragraph = false;
    auto matches = token.globalMatch(QString::fromStdString(html));
    while (matches.hasNext()) {
        const auto match = matches.next();
        const QString name = match.captured(2).toLower();
        const bool closing = match.captured(1) == "/";
        if (name.isEmpty()) {
            if (depth == 0 && !match.captured(0).trimmed().isEmpty())
                text_since_table = text_in_paragraph = true;
        } else if (name == "body") {
            text_since_table = false;
        } else if (name == "table" && closing) {
            depth = std::max(0, depth - 1);
            if (depth == 0) text_since_table = false;
        } else if (name == "table") {
            if (depth++ > 0) continue;
            const auto own = margin.match(match.captured(3));
            tables.push_back(!text_since_table   ? 0.0
                             : own.hasMatch()    ? own.captured(1).toDouble()
                             : text_in_paragraph ? 0.0
                                                 : paragraph_space);
        } else if (name == "div" && !closing && depth == 0) {
            const auto own = margin.match(match.captured(3));
            paragraph_space = own.hasMatch() ? own.captured(1).toDouble() : 0.0;
            text_in_paragraph = false;
        }
    }
    return tables;
}

QString visible_text(const std::wstring& html) {
    QWebEnginePage page;
    bool loaded = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool) { loaded = true; });
    page.setHtml(QString::fromStdWString(html), QUrl("file:///"));
    if (!wait_until([&] { return loaded; }, 60000)) return "<not loaded>";
    std::optional<QString> text;
    page.runJavaScript("document.body.innerText",
                       [&](const QVariant& result) { text = result.toString(); });
    if (!wait_until([&] { return text.has_value(); }, 60000)) return "<no answer>";
    return *text;
}

std::optional<fs::path> only_file(const fs::path& folder, const std::string& extension) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) return entry.path();
    return std::nullopt;
}

int pdf_pages(const fs::path& file) {
    QPdfDocument pdf;
    if (pdf.load(QString::fromStdString(file.string())) != QPdfDocument::Error::None) return -1;
    return pdf.pageCount();
}

// The number of the first page whose text holds `text`; 0 when none does.
int pdf_page_holding(const fs::path& file, const QString& text) {
    QPdfDocument pdf;
    if (pdf.load(QString::fromStdString(file.string())) != QPdfDocument::Error::None) return 0;
    for (int page = 0; page < pdf.pageCount(); ++page)
        if (pdf.getAllText(page).text().contains(text)) return page + 1;
    return 0;
}

QString plain_words(QString text) { return text.replace(QChar(0x00A0), ' ').simplified(); }

// The text of each page of `file`, its words parted by single blanks; none
// when it cannot be read.
QStringList page_texts(const fs::path& file) {
    QPdfDocument pdf;
    if (pdf.load(QString::fromStdString(file.string())) != QPdfDocument::Error::None) return {};
    QStringList pages;
    for (int page = 0; page < pdf.pageCount(); ++page)
        pages << plain_words(pdf.getAllText(page).text());
    return pages;
}

// Converts every file to `format` in one run of the word processor and
// answers the filter it named for each file's stem.
std::map<QString, QString> convert(const fs::path& profile, const std::vector<fs::path>& files,
                                   const QString& format, const fs::path& into) {
    QStringList arguments{"-env:UserInstallation=file://" + QString::fromStdString(profile),
                          "--headless",
                          "--convert-to",
                          format,
                          "--outdir",
                          QString::fromStdString(into)};
    for (const auto& file : files) arguments << QString::fromStdString(file);
    QProcess office;
    office.start("soffice", arguments);
    std::map<QString, QString> filters;
    if (!office.waitForFinished(180000)) {
        office.kill();
        office.waitForFinished();
        return filters;
    }
    static const QRegularExpression line(R"(convert .*/([^/]+)\.\w+ -> .* using filter : (\S+))");
    for (const QString& text : QString::fromUtf8(office.readAllStandardOutput()).split('\n'))
        if (const auto match = line.match(text); match.hasMatch())
            filters[match.captured(1)] = match.captured(2);
    return filters;
}

QString first_difference(const QStringList& expected, const QStringList& actual) {
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    if (at == expected.size() && at == actual.size()) return {};
    auto around = [at](const QStringList& words) {
        const qsizetype from = std::max<qsizetype>(0, at - 4);
        return words.mid(from, at - from).join(' ') + " [[" + words.mid(at, 6).join(' ') + "]]";
    };
    return QString("word %1 of %2/%3:\n  screen: %4\n  office: %5")
        .arg(at)
        .arg(expected.size())
        .arg(actual.size())
        .arg(around(expected), around(actual));
}

// What one DOC file became in the word processor beside what the program
// shows and prints; adds to the counts of what was compared.
void expect_read_as_shown(const Saved& item, const QString& filter, const fs::path& odt,
                          const fs::path& pdf, std::size_t& cell_runs, std::size_t& columns) {
    // Writer/Web's own export filter: the file was imported as HTML.
    EXPECT_EQ(filter, "writerweb8_writer");
    const OdtDocument read = office_test::read_odt(odt);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    const auto& asked = item.asked_page;
    const auto& got = read.page;
    const std::tuple<const char*, double, double> sides[] = {
        {"width", asked.width, got.width},    {"height", asked.height, got.height},
        {"top", asked.top, got.top},          {"right", asked.right, got.right},
        {"bottom", asked.bottom, got.bottom}, {"left", asked.left, got.left}};
    for (const auto& [side, want, have] : sides) EXPECT_NEAR(have, want, 0.1) << side;

    EXPECT_EQ(pdf_pages(pdf), pdf_pages(item.print));

    const QString difference = first_difference(item.screen_words, read.words);
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();

    EXPECT_EQ(read.languages.join(' ').toStdString(), item.language.toStdString());

    ASSERT_EQ(read.space_above_tables.size(), item.asked_space_above.size());
    for (std::size_t t = 0; t < item.asked_space_above.size(); ++t)
        EXPECT_NEAR(read.space_above_tables[t], item.asked_space_above[t], 0.2) << "table " << t;

    // The heading of a signature table keeps with it.
    EXPECT_EQ(read.kept_with_next.size(), item.asked_keeps)
        << read.kept_with_next.join(" | ").toStdString();
    if (!item.heading_on_last_page.isEmpty()) {
        EXPECT_TRUE(read.kept_with_next.contains(item.heading_on_last_page));
        EXPECT_EQ(pdf_page_holding(pdf, item.heading_on_last_page), pdf_pages(pdf));
    }

    cell_runs += read.cell_runs.size();
    for (const auto& run : read.cell_runs) EXPECT_EQ(run.font, item.font) << run.text.toStdString();

    ASSERT_EQ(read.tables.size(), item.asked_columns.size());
    for (std::size_t t = 0; t < read.tables.size(); ++t) {
        if (!item.asked_columns[t]) continue;
        const auto& want = *item.asked_columns[t];
        columns += want.size();
        ASSERT_EQ(read.tables[t].size(), want.size()) << "table " << t;
        for (std::size_t c = 0; c < want.size(); ++c)
            EXPECT_NEAR(read.tables[t][c], want[c], 0.02) << "table " << t << " column " << c;
    }
}

using OfficeReading = core_test::interface_language_test;

TEST_F(OfficeReading, EveryDocFileOpensAsTheProgramShowsAndPrintsIt) {
    ASSERT_FALSE(QStandardPaths::findExecutable("soffice").isEmpty())
        << "LibreOffice is not installed (tools/dev.sh installs it)";
    std::vector<Case> cases;
    for (auto& document : output_test::library_documents(share)) cases.push_back({document, {}});
    ASSERT_EQ(cases.size(), 14u);
    for (const auto& [name, field] :
         {std::pair{"Sales Agreement", L"Buyer"}, std::pair{"Invoice", L"Customer"}}) {
        const auto found = std::find_if(cases.begin(), cases.end(),
                                        [&](const Case& c) { return c.document.name == name; });
        ASSERT_NE(found, cases.end()) << name;
        output_test::LibraryDocument variant = found->document;
        variant.name = std::string(name) + " typographic";
        cases.push_back({variant, typographic_value(field)});
        if (found->document.name != "Sales Agreement") continue;
        variant.name = "Sales Agreement landscape";
        cases.push_back({variant, letter_landscape});
        variant.name = "Sales Agreement landscape wide margins";
        cases.push_back({variant, letter_landscape_wide_margins, "SIGNATURES"});
        variant.name = "Sales Agreement hanging numbers";
        cases.push_back({variant, hanging_numbers});
    }

    app_test::OpenDocument open(share, cases[0].document.name, cases[0].document.bytes);
    ASSERT_TRUE(open.ready());
    app::MainWindow& window = *open.window;
    core::session& session = window.session();
    fixture::temp_folder work;
    const fs::path docs = work.path() / "docs";
    fs::create_directories(docs);

    std::vector<Saved> saved;
    std::vector<fs::path> doc_files;
    for (std::size_t n = 0; n < cases.size(); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(c.document.name);
        ASSERT_TRUE(
            output_test::open_in(open, c.document.name, c.document.language, c.document.bytes));
        if (c.change) c.change(session);

        Saved item;
        item.name = c.document.name;
        item.heading_on_last_page = c.heading_on_last_page;
        item.language = c.document.language == 1 ? "ru-RU" : "en-US";
        const fs::path folder = work.path() / ("saved" + std::to_string(n));
        fs::create_directories(folder);
        session.output().save_folder = core::text_of(folder);
        for (const auto format : {core::SaveFormat::doc, core::SaveFormat::pdf}) {
            session.output().save_format = format;
            ASSERT_EQ(output_test::save(window),
                      session.language() == 1 ? L"Документ сохранён." : L"Document saved.");
        }
        const auto doc = only_file(folder, ".doc");
        const auto print = only_file(folder, ".pdf");
        ASSERT_TRUE(doc && print);
        item.doc = docs / (std::to_string(100 + n) + ".doc");
        fs::copy_file(*doc, item.doc);
        item.print = *print;
        doc_files.push_back(item.doc);

        const QString screen = visible_text(session.screen_html());
        item.screen_words = office_test::words_of(screen);
        item.title = plain_words(screen.trimmed().section('\n', 0, 0));
        const auto& setup = session.data()->page_setup.groups.at(0).record;
        item.asked_page = {double(int(setup.d1)), double(setup.v[0]), double(setup.v[4]),
                           double(setup.v[3]),    double(setup.v[2]), double(setup.v[5])};
        const engine::doc_record* font = font_record(*session.data());
        ASSERT_NE(font, nullptr);
        item.font = QString::fromStdWString(font->s3);
        const QString raw = QString::fromStdString(fixture::read_bytes(item.doc));
        // What Word skips is markup to the word processor, never text.
        const std::string html =
            QString(raw).remove("<![if !mso]>").remove("<![endif]>").toStdString();
        item.asked_columns = asked_columns(html);
        item.asked_space_above = asked_space_above(html);
        // The unit that opens the document, in a cell of its own there, stands
        // at the page's top, where keeping it with the next means nothing.
        const qsizetype opening = raw.indexOf("</td></tr></table><![endif]>");
        item.asked_keeps = raw.mid(std::max<qsizetype>(opening, 0)).count("page-break-after:avoid");
        if (item.name == "Акт сдачи-приёмки") {
            const auto& asked = item.asked_space_above;
            for (const double mm : {6.0, 10.0})
                EXPECT_NE(std::find(asked.begin(), asked.end(), mm), asked.end()) << mm;
        }
        saved.push_back(std::move(item));
    }

    const fs::path profile = work.path() / "office-profile";
    const fs::path odt = work.path() / "odt", pdf = work.path() / "pdf";
    const auto filters = convert(profile, doc_files, "odt", odt);
    // Each DOC straight to PDF, as a user exports it from the word processor.
    const fs::path direct = work.path() / "direct";
    convert(profile, doc_files, "pdf", direct);
    // The pages are compared on the document the word processor made of each
    // file, in the layout its print takes.
    std::vector<fs::path> odt_files;
    for (const fs::path& doc : doc_files) odt_files.push_back(odt / doc.stem() += ".odt");
    convert(profile, odt_files, "pdf", pdf);

    // What was compared at all, lest a reader that finds nothing pass.
    std::size_t cell_runs = 0, columns = 0;
    for (const Saved& item : saved) {
        SCOPED_TRACE(item.name);
        const std::string stem = item.doc.stem().string();
        const auto filter = filters.find(QString::fromStdString(stem));
        expect_read_as_shown(item, filter == filters.end() ? QString() : filter->second,
                             odt / (stem + ".odt"), pdf / (stem + ".pdf"), cell_runs, columns);
        const QStringList pages = page_texts(direct / (stem + ".pdf"));
        ASSERT_FALSE(pages.isEmpty() || item.title.isEmpty());
        EXPECT_TRUE(pages[0].startsWith(item.title)) << pages[0].left(80).toStdString();
        EXPECT_FALSE(pages.contains(QString())) << pages.join(" | ").left(200).toStdString();
    }
    EXPECT_GT(cell_runs, 100u);
    EXPECT_GT(columns, 50u);
}

}  // namespace
