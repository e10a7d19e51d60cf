#include "platform/task.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/failures.h"
#include "platform/event.h"

namespace {

using platform::TaskSource;
using Failures = app_test::Failures;
using Ints = std::vector<int>;

platform::Task<int> add_later(TaskSource<int>& source, int extra, std::vector<std::string>& trace) {
    trace.push_back("start");
    const int value = co_await source.task();
    trace.push_back("resumed");
    co_return value + extra;
}

platform::FireAndForget run_and_record(platform::Task<int> task, int& out) { out = co_await task; }

TEST(Task, RunsEagerlyAndResumesOnlyThroughPostedWork) {
    platform::run_posted();
    std::vector<std::string> trace;
    TaskSource<int> source;
    auto task = add_later(source, 2, trace);
    EXPECT_EQ(trace, std::vector<std::string>{"start"});  // ran up to its first suspension
    source.set_value(40);
    EXPECT_EQ(trace.size(), 1u);  // not resumed inside set_value
    EXPECT_FALSE(task.done());
    EXPECT_EQ(platform::run_posted(), 1u);
    ASSERT_TRUE(task.done());
    EXPECT_EQ(task.take(), 42);

    int result = 0;
    TaskSource<int> finished;
    finished.set_value(7);
    run_and_record(finished.task(), result);
    EXPECT_EQ(result, 7);  // a finished task continues at once
}

TEST(Task, ExceptionsReachTheAwaiterAndFireAndForgetReportsThem) {
    Failures failures;
    TaskSource<int> source;
    int result = 0;
    run_and_record(source.task(), result);
    source.set_error(std::make_exception_ptr(std::runtime_error("script failed")));
    platform::run_posted();
    EXPECT_EQ(result, 0);
    ASSERT_EQ(failures.messages.size(), 1u);
    EXPECT_NE(failures.messages[0].find("script failed"), std::string::npos);
}

TEST(Event, EveryHandlerRunsAndFailuresAreReported) {
    Failures failures;
    struct Sender {
    } sender;
    platform::Event<Sender, int> event;
    Ints seen;
    event.add([&](Sender&, const int& v) { seen.push_back(v); });
    const auto failing =
        event.add([](Sender&, const int&) { throw std::runtime_error("handler broke"); });
    event.add([&](Sender&, const int& v) { seen.push_back(v * 10); });
    event.raise(sender, 3);
    EXPECT_EQ(seen, (Ints{3, 30}));
    EXPECT_EQ(failures.messages.size(), 1u);
    event.remove(failing);
    event.raise(sender, 1);
    EXPECT_EQ(failures.messages.size(), 1u);
}

TEST(Dispatcher, PostedWorkRunsLaterAndFailuresAreContained) {
    Failures failures;
    Ints order;
    platform::post([&] {
        order.push_back(1);
        platform::post([&] { order.push_back(3); });
    });
    platform::post([] { throw std::runtime_error("posted failure"); });
    platform::post([&] { order.push_back(2); });
    EXPECT_TRUE(order.empty());
    platform::run_posted();
    EXPECT_EQ(order, (Ints{1, 2, 3}));
    EXPECT_EQ(failures.messages.size(), 1u);
}

}  // namespace
