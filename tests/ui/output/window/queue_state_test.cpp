// The print queue's state decides the message and whether a job goes: the
// real composer and print path, with the web engine's print and the queue
// answered by the test.
#include <optional>
#include <string>

#include "platform/fake/fake_print_destination.h"
#include "window/output_fixture.h"

namespace {

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

class QueueStates : public output_test::OutputWindowTest {
protected:
    void SetUp() override {
        OutputWindowTest::SetUp();
        window = template_window();
        window->print_preview().set_output(std::make_shared<output_test::PartlyRealOutput>(
            *output, [this]() -> std::shared_ptr<platform::PrintDestination> {
                if (!state->status) return nullptr;
                return queue;
            }));
        window->session().output().copies = 2;
    }
    std::wstring message() const { return window->status_message().info_bar()->title(); }

    std::unique_ptr<app::MainWindow> window;
    std::shared_ptr<platform::Panel> page = platform::Panel::create();
    std::shared_ptr<platform::FakePrintDestination> queue;
    const QueueState* state = nullptr;
};

TEST_F(QueueStates, EachStateGivesItsMessageAndAJobOnlyWhereOneCanGo) {
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
