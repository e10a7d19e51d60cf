// A window that cannot be built is reported and the program ends with a
// failure code instead of running without a window.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/application.h"

namespace {

TEST(FailedStart, AFailedWindowIsReportedWithANonZeroExitCode) {
    static char name[] = "tembrick";
    char* argv[] = {name, nullptr};
    int argc = 1;
    testing::internal::CaptureStderr();
    const int exit_code = platform::run_application(
        argc, argv,
        [](platform::System&,
           platform::WebViewFactory) -> std::unique_ptr<platform::ApplicationWindow> {
            throw std::runtime_error("settings folder unreadable");
        });
    const std::string output = testing::internal::GetCapturedStderr();
    EXPECT_NE(exit_code, 0);
    EXPECT_NE(output.find("settings folder unreadable"), std::string::npos) << output;
}

}  // namespace
