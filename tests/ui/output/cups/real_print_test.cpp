// The Sales Agreement printed through a real CUPS server of the test's own,
// on a queue that writes PDF files: the job has the copies asked for and
// the file the document's pages with their numbers, on the document's own
// paper whatever the queue's default (A4), a wide page with the landscape
// orientation asked of the queue; a disabled queue, or
// one that refuses jobs, gets no job and the warning, and a queue without a
// driver is warned of. Runs only where cupsd and cups-pdf are installed.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QTransform>
#include <algorithm>
#include <cstdlib>
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
constexpr int landscape = 4;      // the IPP orientation-requested of a wide page

// Clicks the action of `kind` and waits for its message and the end of the
// print, whose job may go after the message (a queue without a driver).
std::wstring act(app::MainWindow& window, ui::SavePrintAction kind) {
    auto page = platform::Panel::create();
    window.save_print_panel().SaveOrPrintAsync(kind, page);
    EXPECT_TRUE(wait_until(
        [&] {
            return page->children().size() > 0 && !window.save_print_panel().print_in_progress();
        },
        90000))
        << "no message";
    return window.status_message().info_bar() ? window.status_message().info_bar()->title() : L"";
}

std::vector<std::filesystem::path> pdfs_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".pdf") found.push_back(entry.path());
    return found;
}

// Page `page` drawn over white at 60 dpi, then averaged down fourfold, so
// that glyphs redrawn a little differently still compare alike.
QImage drawn(QPdfDocument& pdf, int page) {
    const QSize pixels = (pdf.pagePointSize(page) / 72.0 * 60).toSize();
    QImage flat(pixels, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, pdf.render(page, pixels));
    return flat.scaled(pixels / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_Grayscale8);
}

struct Likeness {
    double differing = 1;       // the share of pixels that differ clearly
    bool footer_inked = false;  // something is drawn in the bottom 15 mm
};

// The printed page turned by `turn` degrees first: a queue may print a wide
// page across upright paper.
Likeness compare(QPdfDocument& saved, QPdfDocument& printed, int page, int turn = 0) {
    Likeness likeness;
    QSizeF printed_size = printed.pagePointSize(page);
    if (turn % 180 != 0) printed_size.transpose();
    if (saved.pagePointSize(page).toSize() != printed_size.toSize()) return likeness;
    const QImage one = drawn(saved, page);
    const QImage two = drawn(printed, page).transformed(QTransform().rotate(turn));
    const int footer_top = two.height() - two.height() * 15 / 297;
    int differing = 0;
    for (int y = 0; y < two.height(); ++y) {
        for (int x = 0; x < two.width(); ++x) {
            const int shade = qGray(two.pixel(x, y));
            if (std::abs(qGray(one.pixel(x, y)) - shade) > 48) ++differing;
            if (y >= footer_top && shade < 200) likeness.footer_inked = true;
        }
    }
    likeness.differing = double(differing) / (two.width() * two.height());
    return likeness;
}

using RealPrint = core_test::interface_language_test;

TEST_F(RealPrint, TwoCopiesWithPageNumbersReachTheQueueAndEachQueueStateGivesItsMessage) {
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
    ASSERT_EQ(act(window, ui::SavePrintAction::save), L"Document saved.");
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
    // An upright page is not turned.
    EXPECT_NE(cups.job_attribute(jobs[0], "orientation-requested"), landscape);
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
    // The queue makes the copies itself: its file holds each page once. Its
    // text is re-encoded on the way, so pages are compared as drawn.
    ASSERT_EQ(printed.pageCount(), pages);
    for (int page = 0; page < pages; ++page) {
        const Likeness likeness = compare(saved, printed, page);
        EXPECT_LT(likeness.differing, 0.01) << page;
        EXPECT_TRUE(likeness.footer_inked) << page;
    }

    // Letter landscape with wide margins on the A4 queue: Letter pages, the
    // saved PDF's pages as they are once turned, neither scaled nor cut.
    auto& setup = *core::page_setup_record(window.session().data());
    setup.d1 = 279, setup.v[0] = 216;
    setup.v[4] = 25, setup.v[3] = 15, setup.v[2] = 20, setup.v[5] = 30;
    auto& margins = window.session().formatting();
    margins.margin_top = 25, margins.margin_right = 15, margins.margin_bottom = 20,
    margins.margin_left = 30;
    window.session().output().copies = 1;
    ASSERT_EQ(act(window, ui::SavePrintAction::save), L"Document saved.");
    QPdfDocument letter;
    ASSERT_EQ(
        letter.load(QString::fromStdString((open.saved.path() / "Sales Agreement.pdf").string())),
        QPdfDocument::Error::None);
    for (const auto& file : written) std::filesystem::remove(file);
    ASSERT_EQ(act(window, ui::SavePrintAction::print), L"Now printing the document");
    ASSERT_TRUE(wait_until(
        [&] {
            return cups.job_attribute(cups.job_ids().back(), "job-state") == job_completed &&
                   !pdfs_in(cups.output_folder()).empty();
        },
        90000))
        << cups.log();
    // A page turned either way matches below: the job itself must ask for
    // the wide page the document has.
    EXPECT_EQ(cups.job_attribute(cups.job_ids().back(), "orientation-requested"), landscape);
    QPdfDocument on_letter;
    ASSERT_EQ(on_letter.load(QString::fromStdString(pdfs_in(cups.output_folder())[0].string())),
              QPdfDocument::Error::None);
    ASSERT_EQ(on_letter.pageCount(), letter.pageCount());
    for (int page = 0; page < letter.pageCount(); ++page) {
        const QSize points = on_letter.pagePointSize(page).toSize();
        EXPECT_EQ(std::min(points.width(), points.height()), 612) << page;
        EXPECT_EQ(std::max(points.width(), points.height()), 792) << page;
        const Likeness turned = std::min(
            {compare(letter, on_letter, page, 0), compare(letter, on_letter, page, 90),
             compare(letter, on_letter, page, 270)},
            [](const Likeness& a, const Likeness& b) { return a.differing < b.differing; });
        EXPECT_LT(turned.differing, 0.01) << page;
        EXPECT_TRUE(turned.footer_inked) << page;
    }

    // Disabled, or enabled but refusing jobs: no job, and the warning.
    const QString queue = QString::fromStdString(cups.queue());
    for (const auto& [off, on] :
         {std::pair("cupsdisable", "cupsenable"), std::pair("cupsreject", "cupsaccept")}) {
        ASSERT_TRUE(cups.run_tool(off, {queue}));
        EXPECT_EQ(act(window, ui::SavePrintAction::print),
                  L"Printer is not available, offline or error state.")
            << off;
        EXPECT_EQ(cups.job_ids().size(), 2u) << off;
        ASSERT_TRUE(cups.run_tool(on, {queue}));
    }

    // A queue without a driver is warned of, and its job still goes.
    const std::string raw = cups.queue() + "-raw";
    ASSERT_TRUE(cups.add_raw_queue(raw));
    ASSERT_TRUE(cups.make_default(raw));
    EXPECT_EQ(act(window, ui::SavePrintAction::print),
              L"The printer has no driver on this computer; the print may not come out.");
    EXPECT_EQ(cups.job_ids(raw).size(), 1u);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
