// The Sales Agreement printed through a real CUPS server of the test's own,
// on a queue that writes PDF files: the job has the copies asked for and
// the file the document's pages with their numbers; a disabled queue gets
// no job and the warning. Runs only where cupsd and cups-pdf are installed.
#include <gtest/gtest.h>

#include <QPdfDocument>
#include <filesystem>

#include "app/failures.h"
#include "app/open_document.h"
#include "app/real_views.h"
#include "core/engine_services.h"
#include "core/interface_language_fixture.h"
#include "private_cups.h"
#include "support/temp_folder.h"

namespace {

using app_test::wait_until;

constexpr int job_completed = 9;  // the IPP job-state of a finished job

// Clicks the action of `kind` and waits for its message.
std::wstring act(app::MainWindow& window, ui::SavePrintAction kind) {
    auto page = platform::Panel::create();
    window.save_print_panel().SaveOrPrintAsync(kind, page);
    EXPECT_TRUE(wait_until([&] { return page->children().size() > 0; }, 60000)) << "no message";
    return window.status_message().info_bar() ? window.status_message().info_bar()->title() : L"";
}

std::vector<std::filesystem::path> pdfs_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".pdf") found.push_back(entry.path());
    return found;
}

using RealPrint = core_test::interface_language_test;

TEST_F(RealPrint, TwoCopiesWithPageNumbersReachTheQueueAndADisabledQueueGetsNoJob) {
    if (const auto reason = cups_test::why_no_private_cups()) GTEST_SKIP() << *reason;
    cups_test::PrivateCups cups;
    ASSERT_EQ(cups.failure(), "");

    app_test::Failures failures;
    app_test::OpenDocument open(PAPERWRIGHT_BUILT_SHARE, "Sales Agreement",
                                fixture::read_bytes(std::filesystem::path(PAPERWRIGHT_BUILT_SHARE) /
                                                    "briks/01/Agreements/Sales Agreement.brik"));
    ASSERT_TRUE(open.ready());
    app::MainWindow& window = *open.window;
    core::footer_element(window.session().data())->record.b = 1;

    // The saved PDF tells how many pages the document has.
    ASSERT_EQ(act(window, ui::SavePrintAction::save), L"Document Saved");
    QPdfDocument saved;
    ASSERT_EQ(
        saved.load(QString::fromStdString((open.saved.path() / "Sales Agreement.pdf").string())),
        QPdfDocument::Error::None);
    const int pages = saved.pageCount();
    ASSERT_GE(pages, 1);

    window.session().output().copies = 2;
    ASSERT_EQ(act(window, ui::SavePrintAction::print), L"Now printing the document");
    const auto jobs = cups.job_ids();
    ASSERT_EQ(jobs.size(), 1u) << cups.log();
    EXPECT_EQ(cups.job_attribute(jobs[0], "copies"), 2);
    ASSERT_TRUE(wait_until(
        [&] {
            return cups.job_attribute(jobs[0], "job-state") == job_completed &&
                   !pdfs_in(cups.output_folder()).empty();
        },
        90000))
        << cups.log();
    const auto written = pdfs_in(cups.output_folder());
    ASSERT_EQ(written.size(), 1u);
    QPdfDocument printed;
    ASSERT_EQ(printed.load(QString::fromStdString(written[0].string())), QPdfDocument::Error::None);
    // The queue makes the copies itself: its file holds each page once.
    ASSERT_EQ(printed.pageCount(), pages);
    for (int page = 0; page < pages; ++page) {
        const QString text = printed.getAllText(page).text().simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("%1/%2").arg(page + 1).arg(pages))) << page;
        EXPECT_TRUE(text.contains(saved.getAllText(page).text().simplified().left(40)))
            << page << text.toStdString();
    }

    ASSERT_TRUE(cups.run_tool("cupsdisable", {QString::fromStdString(cups.queue())}));
    EXPECT_EQ(act(window, ui::SavePrintAction::print),
              L"Printer is not available, offline or error state.");
    EXPECT_EQ(cups.job_ids().size(), 1u);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
