// Saving and printing PDFs through the real web engine and printer: every
// page at the page size and still text, the footer only when it is on, the
// chosen pages printed, a print or save pressed while the preview is made.
// Slow to start, so run one at a time.
#include <gtest/gtest.h>

#include <QImage>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/failures.h"
#include "app/open_document.h"
#include "app/real_views.h"
#include "core/engine_services.h"
#include "core/file_paths.h"
#include "core/interface_language_fixture.h"
#include "core/interface_texts.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "support/temp_folder.h"
#include "support/ten_page_contract.h"
#include "ui/output/print_view.h"

namespace {

using app_test::wait_until;

struct PdfFile {
    explicit PdfFile(const std::filesystem::path& path)
        : loaded(pdf.load(QString::fromStdString(path.string())) == QPdfDocument::Error::None) {}
    int pages() const { return pdf.pageCount(); }
    QSizeF size_mm(int page) const { return pdf.pagePointSize(page) / 72.0 * 25.4; }
    QString text(int page) { return pdf.getAllText(page).text(); }

    QPdfDocument pdf;
    const bool loaded;
};

// Clicks the action of `kind` and waits for its message.
std::wstring act(app::MainWindow& window, std::int32_t kind) {
    auto page = platform::Panel::create();
    window.save_print_panel().SaveOrPrintAsync(ui::SavePrintAction(kind), page);
    EXPECT_TRUE(wait_until([&] { return page->children().size() > 0; }, 60000)) << "no message";
    return window.status_message().info_bar() ? window.status_message().info_bar()->title() : L"";
}

// What the field's box stores when the user types into it.
void type_value(app::MainWindow& window, std::wstring_view name, const std::wstring& value) {
    for (auto& section : window.session().data()->parameters.groups) {
        for (auto& field : section.elements) {
            if (field.record.s1 == name) field.record.s2 = value;
        }
    }
}

// Every page still text: its own body, the typed values and "n/10" of the
// page it was in the whole document; the page size as set; far smaller than
// pictures of the pages would be.
void expect_text_pages(const std::filesystem::path& file, const std::vector<int>& numbers) {
    PdfFile pdf(file);
    ASSERT_TRUE(pdf.loaded) << file;
    ASSERT_EQ(pdf.pages(), int(numbers.size()));
    EXPECT_LT(std::filesystem::file_size(file), 100 * 1024 * numbers.size());
    for (int i = 0; i < pdf.pages(); ++i) {
        const QString text = pdf.text(i).simplified();
        const int number = numbers[std::size_t(i)];
        EXPECT_TRUE(text.contains(QStringLiteral("Page body %1:").arg(number)))
            << number << text.toStdString();
        EXPECT_TRUE(
            text.contains(QStringLiteral("Northwind Traders Ltd pays Contoso Pharmaceuticals")))
            << number;
        EXPECT_TRUE(text.contains(QStringLiteral("%1/10").arg(number))) << number;
        EXPECT_TRUE(text.contains(QStringLiteral("Supply Contract No. 12"))) << number;
        EXPECT_NEAR(pdf.size_mm(i).width(), fixture::ten_pages_width_mm, 0.5);
        EXPECT_NEAR(pdf.size_mm(i).height(), fixture::ten_pages_height_mm, 0.5);
    }
}

using RealOutput = core_test::interface_language_test;

TEST_F(RealOutput, SavedPdfHasEveryPageAsTextWithTheFooterOnlyWhenOnAndPrintsGiveTheChosenPages) {
    app_test::Failures failures;
    app_test::OpenDocument open(PAPERWRIGHT_BUILT_SHARE, "Ten Pages",
                                fixture::ten_page_contract_bytes());
    ASSERT_TRUE(open.ready());
    app::MainWindow& window = *open.window;
    const auto& saved = open.saved;
    type_value(window, L"Buyer", L"Northwind Traders Ltd");
    type_value(window, L"Seller", L"Contoso Pharmaceuticals");
    auto& footer = core::footer_element(window.session().data())->record;
    footer.b = 0;
    ASSERT_EQ(act(window, 1), L"Document saved.");
    const auto file = saved.path() / "Ten Pages.pdf";
    EXPECT_EQ(fixture::read_bytes(file).substr(0, 4), "%PDF");
    {
        PdfFile plain(file);
        ASSERT_TRUE(plain.loaded);
        ASSERT_EQ(plain.pages(), 10);
        EXPECT_FALSE(plain.text(0).contains(QStringLiteral("1/10")));
    }

    footer.b = 1;
    ASSERT_EQ(act(window, 1), L"Document saved.");
    expect_text_pages(file, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    PdfFile footed(file);
    EXPECT_EQ(footed.pdf.metaData(QPdfDocument::MetaDataField::Title).toString(),
              QStringLiteral("Ten Pages"));
    EXPECT_EQ(footed.pdf.metaData(QPdfDocument::MetaDataField::Producer).toString(),
              platform::to_qstring(core::ui_string(engine::ui_text::program_name)));
    // Only the finished file is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(saved.path()), {}), 1);

    // The preview of these pages is drawn in the view.
    window.elements().main_webview->set_width(900);
    window.elements().main_webview->set_height(700);
    const std::uint64_t runs = window.print_preview().preview_runs();
    window.print_preview().ShowPrintPreviewAsync();
    ASSERT_TRUE(wait_until([&] { return window.print_preview().preview_runs() > runs; }));
    std::wstring frame;
    ASSERT_TRUE(wait_until(
        [&] {
            frame = app_test::run_script(*window.elements().main_webview,
                                         L"(function(){var f=document.querySelector('iframe');"
                                         L"return f?f.getAttribute('src'):'';})()");
            return frame.find(L"#toolbar=0") != std::wstring::npos;
        },
        60000));
    const auto address = frame.find(L"preview/");
    const QByteArray* preview_pdf = platform::served_file(
        platform::to_qstring(frame.substr(address, frame.find(L"#toolbar=0") - address)), nullptr);
    ASSERT_NE(preview_pdf, nullptr);
    QWidget* view = platform::widget_of(*window.elements().main_webview);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(wait_until(
        [&] {
            const QImage shot = view->grab().toImage();
            for (int y = 0; y < shot.height(); y += 7)
                for (int x = 0; x < shot.width(); x += 7)
                    if (shot.pixel(x, y) != shot.pixel(0, 0)) return true;
            return false;
        },
        30000))
        << "the preview frame stayed blank";

    // Printing odd pages to a printer that takes PDF gives it just those, as
    // text; one that takes none gets them drawn. Chosen pages stay text. No
    // printer says so.
    const auto printed = saved.path() / "printer.pdf";
    for (const bool takes_pdf : {true, false}) {
        window.print_preview().set_output(platform::make_document_output(
            [&] { return platform::pdf_file_destination(core::text_of(printed), takes_pdf); }));
        window.session().output().print_pages = core::PrintPages::odd;
        ASSERT_EQ(act(window, 0), L"Now printing the document");
        PdfFile job(printed);
        ASSERT_EQ(job.pages(), 5) << takes_pdf;
        EXPECT_EQ(job.text(1).contains(QStringLiteral("3/10")), takes_pdf);
    }
    window.print_preview().set_output(platform::make_document_output(
        [&] { return platform::pdf_file_destination(core::text_of(printed), true); }));
    window.session().output().print_pages = core::PrintPages::selected;
    window.session().output().selected_pages = L"1,3,5-7";
    ASSERT_EQ(act(window, 0), L"Now printing the document");
    expect_text_pages(printed, {1, 3, 5, 6, 7});
    window.print_preview().set_output(platform::make_document_output(
        [] { return std::shared_ptr<platform::PrintDestination>(); }));
    EXPECT_EQ(act(window, 0), L"Printer is not available, offline or error state.");

    // Landscape paper from the page setup.
    auto& paper = window.session().data()->page_setup.groups[0].record;
    paper.d1 = fixture::ten_pages_height_mm;
    paper.v[0] = std::uint16_t(fixture::ten_pages_width_mm);
    ASSERT_EQ(act(window, 1), L"Document saved.");
    PdfFile landscape(file);
    EXPECT_NEAR(landscape.size_mm(0).width(), fixture::ten_pages_height_mm, 0.5);
    EXPECT_NEAR(landscape.size_mm(0).height(), fixture::ten_pages_width_mm, 0.5);
    // Its footer lies along the long side, in the bottom margin at the right.
    const QString numbers = QStringLiteral("1/%1").arg(landscape.pages());
    const int at = landscape.text(0).indexOf(numbers);
    ASSERT_GE(at, 0);
    const QRectF points =
        landscape.pdf.getSelectionAtIndex(0, at, int(numbers.size())).boundingRectangle();
    const double mm = 25.4 / 72.0;
    EXPECT_GT(points.left() * mm, fixture::ten_pages_height_mm / 2);
    EXPECT_GT(points.top() * mm, fixture::ten_pages_width_mm - 20);  // the bottom margin is 20 mm
    EXPECT_LT(points.bottom() * mm, fixture::ten_pages_width_mm);

    // With no folder chosen the file goes into the documents folder, made
    // when a fresh home has none.
    fixture::temp_folder home;
    const std::pair<const char*, std::filesystem::path> fresh[] = {
        {"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() / ".config"}};
    std::vector<std::optional<std::string>> kept;
    for (const auto& [name, value] : fresh) {
        kept.push_back(std::getenv(name) ? std::optional<std::string>(std::getenv(name))
                                         : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    window.session().output().save_folder.clear();
    window.session().output().save_format = core::SaveFormat::html;
    const std::wstring outcome = act(window, 1);
    for (std::size_t i = 0; i < kept.size(); ++i)
        kept[i] ? setenv(fresh[i].first, kept[i]->c_str(), 1) : unsetenv(fresh[i].first);
    EXPECT_EQ(outcome, L"Document saved.");
    EXPECT_TRUE(std::filesystem::exists(home.path() / "Documents/Ten Pages.html"));
    EXPECT_TRUE(failures.messages.empty());
}

// The web engine makes one PDF at a time; a second one asked for meanwhile
// never came, and the print waiting for it held "in progress" for good.
TEST_F(RealOutput, PrintAndSavePressedWhileThePreviewIsMadeEndWithTheirMessagesAndPrintAgain) {
    app_test::Failures failures;
    app_test::OpenDocument open(PAPERWRIGHT_BUILT_SHARE, "Ten Pages",
                                fixture::ten_page_contract_bytes());
    ASSERT_TRUE(open.ready());
    app::MainWindow& window = *open.window;
    const auto printed = open.saved.path() / "printer.pdf";
    window.print_preview().set_output(platform::make_document_output(
        [&] { return platform::pdf_file_destination(core::text_of(printed), true); }));
    window.session().set_mode(core::ViewMode::data);
    window.OnPrintSaveMenuClick(core::SavePrintPage::print);  // starts the preview
    auto print_page = platform::Panel::create(), save_page = platform::Panel::create();
    window.save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, print_page);
    window.save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, save_page);
    std::wstring print_message;
    ASSERT_TRUE(wait_until(
        [&] {
            if (print_message.empty() && print_page->children().size() > 0)
                print_message = window.status_message().info_bar()->title();
            return !print_message.empty() && save_page->children().size() > 0;
        },
        60000));
    EXPECT_EQ(print_message, L"Now printing the document");
    EXPECT_EQ(window.status_message().info_bar()->title(), L"Document saved.");
    EXPECT_EQ(PdfFile(open.saved.path() / "Ten Pages.pdf").pages(), 10);
    EXPECT_EQ(PdfFile(printed).pages(), 10);

    std::filesystem::remove(printed);
    EXPECT_EQ(act(window, 0), L"Now printing the document");
    EXPECT_EQ(PdfFile(printed).pages(), 10);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
