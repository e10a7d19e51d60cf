// Saving and printing PDFs through the real web engine and printer: every
// page at the page size, the footer only when it is on, the chosen pages
// printed. Slow to start, so run one at a time.
#include <gtest/gtest.h>

#include <QImage>
#include <QPdfDocument>
#include <QWidget>
#include <QPdfSelection>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/failures.h"
#include "app/real_views.h"
#include "app/start.h"
#include "core/engine_services.h"
#include "core/file_paths.h"
#include "engine/document/process_state.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "support/brik_fixture.h"
#include "support/process_state_fixture.h"
#include "support/temp_folder.h"

namespace {

using app_test::wait_until;

// A contract of a few pages of A4, with a footer element.
std::string contract_bytes() {
    fixture::brik_tree tree;
    auto& setup = tree.page_setup.groups.emplace_back();
    setup.record.s1 = u"Long Contract";
    setup.record.d1 = 210;
    setup.record.v = {297, 0, 20, 15, 12, 25};
    setup.elements.resize(4);
    setup.elements[3].record.s1 = u"Contract No. 7";
    auto& page = tree.pages.groups.emplace_back();
    page.record.a = 1;
    auto& block = page.elements.emplace_back();
    block.record.s1 = u"Terms";
    fixture::brik_record paragraph;
    paragraph.s2 = u"The buyer's payment is due within thirty days of delivery; the seller keeps title to the "
                   u"goods until the whole price is paid, and either party may end this agreement in writing.";
    for (fixture::brik_record* styled : {&page.record, &block.record, &paragraph}) {
        styled->s3 = u"Liberation Serif";
        styled->v[0] = 12;
    }
    block.record.v[0] = 14;
    block.record.b = paragraph.b = 1;
    block.items.assign(90, paragraph);
    return fixture::write_brik(tree);
}

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
    window.SaveOrPrintAsync(kind, page);
    EXPECT_TRUE(wait_until([&] { return page->children().size() > 0; }, 60000)) << "no message";
    return window.info_bar ? window.info_bar->title() : L"";
}

using RealOutput = fixture::process_state_test;

TEST_F(RealOutput, SavedPdfHasEveryPageAtThePageSizeAndTheFooterOnlyWhenOnAndPrintsGiveTheChosenPages) {
    fixture::temp_folder root, saved;
    app_test::Failures failures;
    platform::FakeSystem system;
    system.install = core::text_of(std::filesystem::path(PAPERWRIGHT_BUILT_SHARE));
    system.data = core::text_of(root.path() / "data");
    system.temp = core::text_of(root.path() / "cache/tembrick/temp");
    std::filesystem::create_directories(root.path() / "data/briks/Tests");
    std::filesystem::create_directories(root.path() / "cache/tembrick/temp");
    fixture::write_bytes(root.path() / "data/briks/Tests/Long Contract.brik", contract_bytes());

    bool shown = false;
    const auto session = app::start_session(system);
    auto window = std::make_unique<app::MainWindow>(
        *session, platform::make_qt_web_view_factory(),
        app::MainWindowHooks{[&](app::MainWindow&) { shown = true; }});
    window->activate();
    ASSERT_TRUE(wait_until([&] { return shown; })) << "the start page never reached the view";
    window->OnWebMessageReceived(*window->main_webview, L"Tests/Long|Contract");
    ASSERT_TRUE(window->HasLoadedDocument());
    window->session().set_mode(core::ViewMode::save_print);
    window->session().output().save_folder = core::text_of(saved.path());
    window->session().output().open_after_saving = false;
    window->session().output().save_format = core::SaveFormat::pdf;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    const auto file = saved.path() / "Long Contract.pdf";
    EXPECT_EQ(fixture::read_bytes(file).substr(0, 4), "%PDF");
    PdfFile plain(file);
    ASSERT_TRUE(plain.loaded);
    const int pages = plain.pages();
    ASSERT_GE(pages, 3) << "too short to tell odd pages from the first";
    EXPECT_NEAR(plain.size_mm(0).width(), 210, 0.5);
    EXPECT_NEAR(plain.size_mm(0).height(), 297, 0.5);
    EXPECT_FALSE(plain.text(0).contains(QStringLiteral("1/%1").arg(pages)));

    core::footer_element(window->session().data())->record.b = 1;
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

    // The preview of these drawn pages, well above 2 MB, is drawn in the view.
    window->main_webview->set_width(900);
    window->main_webview->set_height(700);
    const std::uint64_t runs = window->preview_runs;
    window->ShowPrintPreviewAsync();
    ASSERT_TRUE(wait_until([&] { return window->preview_runs > runs; }));
    std::wstring frame;
    ASSERT_TRUE(wait_until([&] {
        frame = app_test::run_script(*window->main_webview, L"(function(){var f=document.querySelector('iframe');"
                                                            L"return f?f.getAttribute('src'):'';})()");
        return frame.find(L"#toolbar=0") != std::wstring::npos;
    }, 60000));
    const auto address = frame.find(L"preview/");
    const QByteArray* preview_pdf = platform::served_file(
        platform::to_qstring(frame.substr(address, frame.find(L"#toolbar=0") - address)), nullptr);
    ASSERT_NE(preview_pdf, nullptr);
    EXPECT_GT(preview_pdf->size(), 2 * 1024 * 1024);
    QWidget* view = platform::widget_of(*window->main_webview);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(wait_until([&] {
        const QImage shot = view->grab().toImage();
        for (int y = 0; y < shot.height(); y += 7)
            for (int x = 0; x < shot.width(); x += 7)
                if (shot.pixel(x, y) != shot.pixel(0, 0)) return true;
        return false;
    }, 30000)) << "the preview frame stayed blank";

    // Printing odd pages to a PDF-file printer gives just those; no printer says so.
    const auto printed = saved.path() / "printer.pdf";
    window->output = platform::make_document_output([&] {
        return platform::PrinterChoice{platform::PrinterChoice::Kind::pdf_file,
                                       core::text_of(printed)};
    });
    window->session().output().print_pages = core::PrintPages::odd;
    ASSERT_EQ(act(*window, 0), L"Now printing the document");
    EXPECT_EQ(PdfFile(printed).pages(), (pages + 1) / 2);
    window->output =
        platform::make_document_output([] { return platform::PrinterChoice{platform::PrinterChoice::Kind::none, {}}; });
    EXPECT_EQ(act(*window, 0), L"Printer is not available, offline or error state.");

    // Landscape paper from the page setup.
    auto& paper = window->session().data()->page_setup.groups[0].record;
    paper.d1 = 297;
    paper.v[0] = 210;
    ASSERT_EQ(act(*window, 1), L"Document Saved");
    PdfFile landscape(file);
    EXPECT_NEAR(landscape.size_mm(0).width(), 297, 0.5);
    EXPECT_NEAR(landscape.size_mm(0).height(), 210, 0.5);

    // With no folder chosen the file goes into the documents folder, made
    // when a fresh home has none.
    fixture::temp_folder home;
    const std::pair<const char*, std::filesystem::path> fresh[] = {{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() / ".config"}};
    std::vector<std::optional<std::string>> kept;
    for (const auto& [name, value] : fresh) {
        kept.push_back(std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    window->session().output().save_folder.clear();
    window->session().output().save_format = core::SaveFormat::html;
    const std::wstring outcome = act(*window, 1);
    for (std::size_t i = 0; i < kept.size(); ++i) kept[i] ? setenv(fresh[i].first, kept[i]->c_str(), 1) : unsetenv(fresh[i].first);
    EXPECT_EQ(outcome, L"Document Saved");
    EXPECT_TRUE(std::filesystem::exists(home.path() / "Documents/Long Contract.html"));
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
