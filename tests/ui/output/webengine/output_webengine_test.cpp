// Printing and saving through the real web engine: the saved PDF, DOC and
// HTML files, printing to a PDF-file printer and a machine without printers,
// and a large preview shown in the document view. Slow to start, so few, and
// run one at a time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPdfDocument>
#include <QPdfSelection>
#include <filesystem>
#include <functional>

#include "app/engine_services.h"
#include "app/failures.h"
#include "app/file_paths.h"
#include "app/main_window.h"
#include "engine/document/process_state.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "support/brik_fixture.h"
#include "support/process_state_fixture.h"
#include "support/temp_folder.h"
#include "ui/output/file_writer.h"

namespace {

bool wait_until(const std::function<bool()>& done, int milliseconds = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// A contract of `paragraphs` paragraphs on paper of the given size, with a
// footer element and an apostrophe in its text.
std::string contract_bytes(int paragraphs, double width, std::uint16_t height) {
    fixture::brik_tree tree;
    fixture::brik_group setup;
    setup.record.s1 = u"Long Contract";
    setup.record.d1 = width;
    setup.record.v = {height, 0, 20, 15, 12, 25};
    setup.elements.resize(4);
    setup.elements[3].record.s1 = u"Contract No. 7";
    tree.page_setup.groups.push_back(setup);
    fixture::brik_group page;
    page.record.a = 1;
    page.record.s3 = u"Liberation Serif";
    page.record.v[0] = 12;
    fixture::brik_element block;
    block.record.s1 = u"Terms";
    block.record.s3 = u"Liberation Serif";
    block.record.v[0] = 14;
    block.record.b = 1;
    for (int i = 0; i < paragraphs; ++i) {
        fixture::brik_record paragraph;
        paragraph.s2 = u"The buyer's payment is due within thirty days of delivery; the seller keeps title to the "
                       u"goods until the whole price is paid, and either party may end this agreement in writing.";
        paragraph.s3 = u"Liberation Serif";
        paragraph.v[0] = 12;
        paragraph.b = 1;
        block.items.push_back(paragraph);
    }
    page.elements.push_back(block);
    tree.pages.groups.push_back(page);
    return fixture::write_brik(tree);
}

struct PdfFile {
    explicit PdfFile(const std::filesystem::path& path) { loaded = pdf.load(QString::fromStdString(path.string())) == QPdfDocument::Error::None; }
    int pages() const { return pdf.pageCount(); }
    QSizeF size_mm(int page) const { return pdf.pagePointSize(page) / 72.0 * 25.4; }
    QString text(int page) { return pdf.getAllText(page).text(); }

    QPdfDocument pdf;
    bool loaded = false;
};

class RealOutput : public fixture::process_state_test {
protected:
    void SetUp() override {
        fixture::process_state_test::SetUp();
        std::filesystem::create_directories(root.path() / "data");
        std::filesystem::create_directories(root.path() / "cache/tembrick/temp");
        system.install = app::text_of(std::filesystem::path(PAPERWRIGHT_BUILT_SHARE));
        system.data = app::text_of(root.path() / "data");
        system.temp = app::text_of(root.path() / "cache/tembrick/temp");
    }

    // A window on real views showing the contract in the save/print mode.
    std::unique_ptr<app::MainWindow> contract_window(int paragraphs = 120, double width = 210,
                                                     std::uint16_t height = 297) {
        bool shown = false;
        auto window = std::make_unique<app::MainWindow>(system, make_web_view,
                                                        app::MainWindowHooks{[&](app::MainWindow&) { shown = true; }});
        window->activate();
        EXPECT_TRUE(wait_until([&] { return shown; })) << "the start page never reached the view";
        std::filesystem::create_directories(root.path() / "data/briks/Tests");
        fixture::write_bytes(root.path() / "data/briks/Tests/Long Contract.brik",
                             contract_bytes(paragraphs, width, height));
        window->OnWebMessageReceived(*window->main_webview, L"Tests/Long|Contract");
        EXPECT_TRUE(window->HasLoadedDocument());
        window->mode = 3;
        window->save_folder = app::text_of(saved.path());
        window->open_after_saving = 0;
        return window;
    }

    // Clicks the action of `kind` and waits for its message.
    std::wstring act(app::MainWindow& window, std::int32_t kind) {
        auto page = platform::Panel::create();
        window.SaveOrPrintAsync(kind, page);
        EXPECT_TRUE(wait_until([&] { return page->children().size() > 0; })) << "no message";
        return window.info_bar ? window.info_bar->title() : L"";
    }

    fixture::temp_folder root;
    fixture::temp_folder saved;
    platform::FakeSystem system;
    platform::WebViewFactory make_web_view = platform::make_qt_web_view_factory();
    app_test::Failures failures;
};

TEST_F(RealOutput, SavedPdfHasEveryPageAtThePageSizeAndTheFooterOnlyWhenOn) {
    auto window = contract_window();
    window->save_format = 0;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    const auto file = saved.path() / "Long Contract.pdf";
    EXPECT_EQ(fixture::read_bytes(file).substr(0, 4), "%PDF");
    PdfFile plain(file);
    ASSERT_TRUE(plain.loaded);
    const int pages = plain.pages();
    ASSERT_GE(pages, 3);
    EXPECT_NEAR(plain.size_mm(0).width(), 210, 0.5);
    EXPECT_NEAR(plain.size_mm(0).height(), 297, 0.5);
    EXPECT_FALSE(plain.text(0).contains(QStringLiteral("1/%1").arg(pages)));

    app::footer_element(window->doc_data)->record.b = 1;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    PdfFile footed(file);
    ASSERT_TRUE(footed.loaded);
    ASSERT_EQ(footed.pages(), pages);
    for (int page = 0; page < pages; ++page) {
        const QString text = footed.text(page);
        EXPECT_TRUE(text.contains(QStringLiteral("%1/%2").arg(page + 1).arg(pages))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Contract No. 7"))) << page;
        EXPECT_NEAR(footed.size_mm(page).height(), 297, 0.5);
    }
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(RealOutput, LandscapePdfIsWiderThanHigh) {
    auto window = contract_window(30, 297, 210);
    window->save_format = 0;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    PdfFile pdf(saved.path() / "Long Contract.pdf");
    ASSERT_TRUE(pdf.loaded);
    EXPECT_NEAR(pdf.size_mm(0).width(), 297, 0.5);
    EXPECT_NEAR(pdf.size_mm(0).height(), 210, 0.5);
}

TEST_F(RealOutput, DocAndHtmlAreUtf8WithoutAMark) {
    auto window = contract_window(5);
    window->save_format = 2;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    const std::string html = fixture::read_bytes(saved.path() / "Long Contract.html");
    EXPECT_NE(html.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(html, ui::utf8_of(window->doc->to_print_html()));

    window->save_format = 1;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    const std::string doc = fixture::read_bytes(saved.path() / "Long Contract.doc");
    EXPECT_NE(doc.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(doc.find("size:210mm 297mm; margin:12mm 15mm 20mm 25mm;"), std::string::npos);
    EXPECT_NE(doc.find("buyer's"), std::string::npos);
    EXPECT_EQ(doc.find("&apos;"), std::string::npos);
}

TEST_F(RealOutput, PrintingOddPagesGivesThemAndSaysItIsPrinting) {
    auto window = contract_window(160);
    const auto printed = saved.path() / "printer.pdf";
    window->output = platform::make_document_output(
        [&] { return platform::PrinterChoice{platform::PrinterChoice::Kind::pdf_file, app::text_of(printed)}; });
    window->save_format = 0;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    const int pages = PdfFile(saved.path() / "Long Contract.pdf").pages();
    ASSERT_GE(pages, 4);

    window->print_pages = 1;
    ASSERT_EQ(act(*window, 0), L"Now printing the document");
    PdfFile pdf(printed);
    ASSERT_TRUE(pdf.loaded);
    EXPECT_EQ(pdf.pages(), (pages + 1) / 2);
}

TEST_F(RealOutput, AMachineWithoutPrintersSaysSoInBothLanguages) {
    auto window = contract_window(5);
    window->output = platform::make_document_output([] { return platform::PrinterChoice{platform::PrinterChoice::Kind::none, {}}; });
    EXPECT_EQ(act(*window, 0), L"Printer is not available, offline or error state.");
    EXPECT_EQ(window->info_bar->severity(), 2);
    engine::current_language = 1;
    EXPECT_EQ(act(*window, 0), L"Принтер недоступен, отключен от сети или находится в состоянии ошибки.");
}

TEST_F(RealOutput, ALargePreviewIsShownInTheDocumentView) {
    auto window = contract_window(400);
    app::footer_element(window->doc_data)->record.b = 1;  // drawn pages make a large PDF
    window->main_webview->set_width(900);
    window->main_webview->set_height(700);
    const std::size_t before = window->preview_runs;
    window->ShowPrintPreviewAsync();
    ASSERT_TRUE(wait_until([&] { return window->preview_runs > before; }));
    // The preview is shown once the frame in the view holds the PDF.
    std::wstring answer;
    ASSERT_TRUE(wait_until([&] {
        auto task = window->main_webview->execute_script_async(
            L"(function(){var f=document.querySelector('iframe');return f?f.getAttribute('src'):'';})()");
        if (!wait_until([&] { return task.done(); }, 5000)) return false;
        answer = task.take();
        return answer.find(L"tembrick:preview/") != std::wstring::npos;
    }));
    // "tembrick:preview/N.pdf#toolbar=0", quoted as JSON.
    const auto start = answer.find(L"preview/"), end = answer.find(L"#toolbar=0");
    ASSERT_NE(end, std::wstring::npos);
    const QByteArray* pdf = platform::served_file(platform::to_qstring(answer.substr(start, end - start)), nullptr);
    ASSERT_NE(pdf, nullptr);
    EXPECT_GT(pdf->size(), 2 * 1024 * 1024);
    QWidget* view = platform::widget_of(*window->main_webview);
    ASSERT_NE(view, nullptr);
    // Give the viewer time to draw, then look for more than one colour.
    bool drawn = false;
    wait_until(
        [&] {
            const QImage shot = view->grab().toImage();
            if (shot.isNull()) return false;
            const QRgb first = shot.pixel(shot.width() / 2, shot.height() / 2);
            for (int y = 0; y < shot.height() && !drawn; y += 7) {
                for (int x = 0; x < shot.width(); x += 7) {
                    if (shot.pixel(x, y) != first) {
                        drawn = true;
                        break;
                    }
                }
            }
            return drawn;
        },
        30000);
    EXPECT_TRUE(drawn);
}

}  // namespace
