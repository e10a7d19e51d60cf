// The action button: printing, saving and their messages; PDFs saved
// through the real page composer; what each print queue state gives.
#include <sys/wait.h>
#include <unistd.h>

#include <QPdfDocument>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "platform/fake/fake_print_destination.h"
#include "real_views.h"
#include "support/temp_folder.h"
#include "ui/output/file_writer.h"
#include "window/output_fixture.h"

namespace {

using fixture::engine_path;
using fixture::read_bytes;

using Job = platform::FakePrintDestination::JobKind;

struct QueueState {
    const char* name;
    std::optional<platform::PrinterStatus> status;  // nullopt: no queue at all
    bool loses_job;
    std::optional<Job> job;  // what the queue gets; nullopt: no job
    std::wstring message;
    int severity;
};

constexpr wchar_t now_printing[] = L"Now printing the document";
constexpr wchar_t unavailable[] = L"Printer is not available, offline or error state.";
constexpr wchar_t no_driver[] =
    L"The printer has no driver on this computer; the print may not come out.";

platform::PrinterStatus status(bool present, bool stopped, bool accepting, bool driver, bool pdf) {
    return {present, stopped, accepting, driver, pdf};
}

// clang-format off
const QueueState states[] = {
    {"idle",            status(true, false, true, true, true),   false, Job::pdf,   now_printing, 0},
    {"stopped",         status(true, true, true, true, true),    false, {},         unavailable, 2},
    {"not accepting",   status(true, false, false, true, true),  false, {},         unavailable, 2},
    {"deleted",         status(false, false, true, true, true),  false, {},         unavailable, 2},
    {"none set up",     std::nullopt,                            false, {},         unavailable, 2},
    {"raw",             status(true, false, true, false, true),  false, Job::drawn, no_driver, 2},
    {"takes no PDF",    status(true, false, true, true, false),  false, Job::drawn, now_printing, 0},
    {"loses the job",   status(true, false, true, true, true),   true,  {},         L"Printing document to printer is failed.", 3},
    {"raw, loses it",   status(true, false, true, false, true),  true,  {},         L"Printing document to printer is failed.", 3},
    {"stopped and raw", status(true, true, true, false, true),   false, {},         unavailable, 2},
};
// clang-format on

class SaveAndPrint : public output_test::OutputWindowTest {
protected:
    void SetUp() override {
        OutputWindowTest::SetUp();
        window = template_window();
    }
    std::wstring message() const { return window->status_message().info_bar()->title(); }
    // The real page composer behind the fake print, saving PDFs into `saved`.
    void use_real_composer() {
        window->print_preview().set_output(
            std::make_shared<output_test::PartlyRealOutput>(*output));
        window->session().output().save_folder = engine_path(saved.path());
        window->session().output().open_after_saving = false;
        window->session().output().save_format = core::SaveFormat::pdf;
    }
    std::wstring save_pdf(platform::PdfBytes print) {
        window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
        finish_pdf(std::move(print));
        return message();
    }

    std::unique_ptr<app::MainWindow> window;
    std::shared_ptr<platform::Panel> page = platform::Panel::create();
    fixture::temp_folder saved;
};

TEST_F(SaveAndPrint, PrintingTheChosenPagesAndItsOutcomesInBothLanguages) {
    window->session().output().print_pages = core::PrintPages::even;
    window->session().output().copies = 3;
    output->pages = 5;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    finish_pdf();
    ASSERT_EQ(output->printed.size(), 1u);
    EXPECT_EQ(output->printed[0].pages, (std::vector<int>{2, 4}));
    EXPECT_EQ(output->printed[0].copies, 3);
    EXPECT_EQ(output->printed[0].title, L"Sales");
    EXPECT_EQ(message(), L"Now printing the document");
    EXPECT_EQ(window->status_message().info_bar()->severity(), 0);
    EXPECT_FALSE(window->save_print_panel().print_in_progress());

    // The real printer test sees no printer in English.
    core::current_language = 1;
    output->print_result = platform::PrintResult::no_printer;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    finish_pdf();
    EXPECT_EQ(message(), L"Принтер недоступен, отключен от сети или находится в состоянии ошибки.");
    EXPECT_EQ(window->status_message().info_bar()->severity(), 2);

    output->print_result = platform::PrintResult::failed;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    finish_pdf();
    EXPECT_EQ(message(), L"Не удалось распечатать документ на принтере.");
    EXPECT_EQ(window->status_message().info_bar()->severity(), 3);

    // A second print while the first waits for its PDF.
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    EXPECT_EQ(message(), L"Печать документа уже выполняется.");
    finish_pdf();
    EXPECT_EQ(message(), L"Не удалось распечатать документ на принтере.");
    EXPECT_EQ(page->children().size(), 1u);  // one bar
}

// The web engine makes one PDF at a time: a print or save pressed while the
// preview is made waits for it, then loads the print view itself.
TEST_F(SaveAndPrint, PrintAndSavePressedDuringThePreviewWaitForItThenEndWithTheirMessages) {
    window->session().output().save_folder = engine_path(saved.path());
    window->session().output().open_after_saving = false;
    window->print_preview().ShowPrintPreviewAsync();
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
    auto save_page = platform::Panel::create();
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, save_page);
    load_print_view();
    EXPECT_EQ(preview_view().waiting(), 0u);
    EXPECT_EQ(output->pdfs_waiting(), 1u);
    output->answer_pdf();
    pump();
    finish_pdf();
    EXPECT_EQ(message(), L"Now printing the document");
    EXPECT_FALSE(window->save_print_panel().print_in_progress());
    finish_pdf();
    EXPECT_EQ(message(), L"Document saved.");
    EXPECT_TRUE(std::filesystem::exists(saved.path() / "Sales.pdf"));
}

TEST_F(SaveAndPrint, SavingSweepsDeadSavesHtmlIsThePrintHtmlAndDocHasAByteOrderMark) {
    // Saves into this folder that were cut short: a dead process's file goes
    // before the next save; a running save's, and a subfolder's, stay.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const auto saving = [](pid_t pid) {
        return ".paperwright-" + std::to_string(pid) + "-7.saving";
    };
    for (const auto& stale : {saved.path() / saving(child), saved.path() / saving(::getpid()),
                              saved.path() / "sub" / saving(child)}) {
        std::filesystem::create_directories(stale.parent_path());
        std::ofstream(stale) << "cut short";
    }
    window->session().output().save_folder = engine_path(saved.path()) + L"  ";
    window->session().output().open_after_saving = false;
    window->session().output().save_format = core::SaveFormat::html;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    pump();
    EXPECT_EQ(read_bytes(saved.path() / "Sales.html"), ui::utf8_of(window->session().print_html()));
    EXPECT_EQ(window->session().output().save_folder, engine_path(saved.path()));
    EXPECT_FALSE(std::filesystem::exists(saved.path() / saving(child)));
    EXPECT_TRUE(std::filesystem::exists(saved.path() / saving(::getpid())));
    EXPECT_TRUE(std::filesystem::exists(saved.path() / "sub" / saving(child)));
    EXPECT_EQ(message(), L"Document saved.");
    EXPECT_TRUE(output->opened.empty());

    window->session().output().save_format = core::SaveFormat::doc;
    window->session().output().open_after_saving = true;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    pump();
    const auto doc = saved.path() / "Sales.doc";
    const std::string bytes = read_bytes(doc);
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF<html "));
    EXPECT_NE(bytes.find("<title>Sales</title>"), std::string::npos);
    EXPECT_EQ(bytes.find("&apos;"), std::string::npos);
    EXPECT_NE(bytes.find("size:210mm 297mm; margin:10mm 19mm 19mm 19mm;"), std::string::npos);
    EXPECT_EQ(core::page_setup_root(window->session().data())->b, 0);
    ASSERT_EQ(output->opened.size(), 1u);
    EXPECT_EQ(output->opened[0], engine_path(doc));
}

TEST_F(SaveAndPrint, ATitleTooLongForAFileNameSavesUnderTheNameCutToFit) {
    core_test::write_file(data_file(L"briks/Long.brik"),
                          core_test::document_bytes(std::u16string(200, u'Д')));
    window->OnWebMessageReceived(main_view(), L"Long");
    window->session().output().save_folder = engine_path(saved.path());
    window->session().output().open_after_saving = false;
    window->session().output().save_format = core::SaveFormat::html;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    pump();
    EXPECT_EQ(message(), L"Document saved.");
    const std::filesystem::directory_iterator files(saved.path());
    ASSERT_NE(files, std::filesystem::directory_iterator());
    // 125 letters of two bytes each and the extension: 255 bytes.
    std::string expected;
    for (int letter = 0; letter < 125; ++letter) expected += "Д";
    EXPECT_EQ(files->path().filename().string(), expected + ".html");
}

// PATH holding only a folder with an xdg-open that notes its argument and
// exits with `exit_code`, or none when that is empty; restored afterwards.
class StubDesktop {
public:
    explicit StubDesktop(std::optional<int> exit_code) : path_(std::getenv("PATH")) {
        if (exit_code) {
            const auto script = folder_.file("xdg-open");
            fixture::write_bytes(script, "#!/bin/sh\nprintf %s \"$1\" > \"$0.argument\"\nexit " +
                                             std::to_string(*exit_code) + "\n");
            std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        }
        ::setenv("PATH", folder_.path().c_str(), 1);
    }
    ~StubDesktop() { ::setenv("PATH", path_.c_str(), 1); }
    std::filesystem::path argument() const { return folder_.file("xdg-open.argument"); }

private:
    fixture::temp_folder folder_;
    std::string path_;
};

TEST_F(SaveAndPrint, ASavedFileThatNoProgramOpensGetsAWarningAfterTheSavedOutcome) {
    window->print_preview().set_output(std::make_shared<output_test::PartlyRealOutput>(*output));
    window->session().output().save_folder = engine_path(saved.path());
    window->session().output().save_format = core::SaveFormat::html;
    const std::wstring warning = L"Saved, but no program could open the file.";
    for (const std::optional<int> exit_code : {std::optional<int>(3), std::optional<int>()}) {
        StubDesktop desktop(exit_code);
        window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
        EXPECT_EQ(message(), L"Document saved.");
        EXPECT_TRUE(app_test::wait_until([&] { return message() == warning; }, 10000))
            << exit_code.has_value();
        EXPECT_EQ(window->status_message().info_bar()->severity(), 2);
    }

    StubDesktop desktop(0);
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    ASSERT_TRUE(
        app_test::wait_until([&] { return std::filesystem::exists(desktop.argument()); }, 10000));
    app_test::wait_until([] { return false; }, 300);
    EXPECT_EQ(read_bytes(desktop.argument()), (saved.path() / "Sales.html").string());
    EXPECT_EQ(message(), L"Document saved.");
}

TEST_F(SaveAndPrint, APdfIsEveryPageWithTheFooterAndAFailedWriteSaysSo) {
    window->session().output().save_folder = engine_path(saved.path());
    window->session().output().print_pages = core::PrintPages::odd;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    finish_pdf({'%', 'P', 'D', 'F', '-', '1'});
    ASSERT_EQ(output->composed.size(), 1u);
    EXPECT_EQ(output->composed[0].pages, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(read_bytes(saved.path() / "Sales.pdf"), "%PDF-1");
    EXPECT_EQ(message(), L"Document saved.");

    window->session().output().save_folder = engine_path(saved.path() / "missing");
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    finish_pdf();
    EXPECT_EQ(message(), L"File writing failed.");
    EXPECT_EQ(window->status_message().info_bar()->severity(), 3);
    window->session().output().save_format = core::SaveFormat::html;
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    pump();
    EXPECT_EQ(message(), L"File writing failed.");
}

TEST_F(SaveAndPrint, ARunWhoseDocumentWasReplacedStopsQuietly) {
    window->session().output().save_folder = engine_path(saved.path());
    window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::save, page);
    load_print_view();
    window->OnWebMessageReceived(main_view(), L"Folder/Two|Words");
    output->answer_pdf();
    pump();
    EXPECT_FALSE(std::filesystem::exists(saved.path() / "Sales.pdf"));
    EXPECT_EQ(page->children().size(), 0u);
}

TEST_F(SaveAndPrint, TheBarIsOneAndClosesThreeSecondsAfterTheLastMessage) {
    auto other = platform::Panel::create();
    other->children().append(platform::TextBlock::create(L"row"));
    window->status_message().ShowStatusMessage(*page, L"first", 0);
    window->status_message().ShowStatusMessage(*other, L"second", 3);
    EXPECT_EQ(page->children().size(), 0u);
    ASSERT_EQ(other->children().size(), 2u);
    EXPECT_EQ(other->children().at(1).get(), window->status_message().info_bar().get());
    EXPECT_TRUE(window->status_message().info_bar()->is_open());
    EXPECT_TRUE(window->status_message().timer()->is_running());
    window->status_message().timer()->tick_now();
    EXPECT_FALSE(window->status_message().info_bar()->is_open());
}

TEST_F(SaveAndPrint, AComposedSoundPrintIsSavedWithItsFootersAsText) {
    use_real_composer();
    // A footer element with page numbers on, as the library's documents have.
    auto& setup = window->session().data()->page_setup.groups[0];
    setup.elements.resize(4);
    setup.element_count = 4;
    setup.elements[3].record.b = 1;
    ASSERT_EQ(save_pdf(output_test::text_pages(3)), L"Document saved.");
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(QString::fromStdString((saved.path() / "Sales.pdf").string())),
              QPdfDocument::Error::None);
    ASSERT_EQ(pdf.pageCount(), 3);
    for (int page = 0; page < 3; ++page) {
        const QString text = pdf.getAllText(page).text();
        EXPECT_TRUE(text.contains(QStringLiteral("Body of page %1").arg(page + 1))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("%1/3").arg(page + 1))) << page;
    }
}

// A damaged print from the web engine is refused by the real composer and
// leaves the earlier file as it was.
TEST_F(SaveAndPrint, ADamagedPrintSaysFileWritingFailedAndLeavesNoFile) {
    use_real_composer();
    const platform::PdfBytes sound = output_test::text_pages(3);
    const std::string text(sound.begin(), sound.end());
    platform::PdfBytes truncated(sound.begin(), sound.begin() + std::ptrdiff_t(sound.size() / 2));
    // The cross-reference table pointing one byte off for every object.
    const auto table = text.find("xref");
    ASSERT_NE(table, std::string::npos);
    const std::string shifted = text.substr(0, table / 2) + ' ' + text.substr(table / 2);
    const std::string not_pdf = "%PDF-1.4\nthe print view answered with something else\n%%EOF\n";

    const auto target = saved.path() / "Sales.pdf";
    fixture::write_bytes(target, "the earlier save");
    for (const platform::PdfBytes& damaged :
         {truncated, platform::PdfBytes(shifted.begin(), shifted.end()),
          platform::PdfBytes(not_pdf.begin(), not_pdf.end())}) {
        EXPECT_EQ(save_pdf(damaged), L"File writing failed.");
        EXPECT_EQ(window->status_message().info_bar()->severity(), 3);
        EXPECT_EQ(read_bytes(target), "the earlier save");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(saved.path()), {}), 1);
    }
}

// The print queue's state decides the message and whether a job goes: the
// real composer and print path, with the queue answered by the test.
TEST_F(SaveAndPrint, EachQueueStateGivesItsMessageAndAJobOnlyWhereOneCanGo) {
    const QueueState* state = nullptr;
    std::shared_ptr<platform::FakePrintDestination> queue;
    window->print_preview().set_output(std::make_shared<output_test::PartlyRealOutput>(
        *output, [&]() -> std::shared_ptr<platform::PrintDestination> {
            if (!state->status) return nullptr;
            return queue;
        }));
    window->session().output().copies = 2;
    for (const QueueState& tried : states) {
        state = &tried;
        queue = std::make_shared<platform::FakePrintDestination>();
        if (tried.status) queue->reported = *tried.status;
        queue->refuses_jobs = tried.loses_job;
        std::wstring shown_as_the_job_came;
        queue->on_job = [&] {
            if (window->status_message().info_bar()) shown_as_the_job_came = message();
        };
        window->save_print_panel().SaveOrPrintAsync(ui::SavePrintAction::print, page);
        finish_pdf(output_test::text_pages(3));

        EXPECT_EQ(message(), tried.message) << tried.name;
        EXPECT_EQ(window->status_message().info_bar()->severity(), tried.severity) << tried.name;
        if (!tried.job) {
            EXPECT_TRUE(queue->jobs.empty()) << tried.name;
            continue;
        }
        ASSERT_EQ(queue->jobs.size(), 1u) << tried.name;
        EXPECT_EQ(queue->jobs[0].kind, *tried.job) << tried.name;
        EXPECT_EQ(queue->jobs[0].copies, 2) << tried.name;
        EXPECT_EQ(queue->jobs[0].title, L"Sales") << tried.name;
        // A queue without a driver is warned of before its job goes.
        if (!tried.status->has_driver) {
            EXPECT_EQ(shown_as_the_job_came, no_driver) << tried.name;
        }
    }
}

}  // namespace
