// Collects what reaches the failure reporter while a test runs.
#pragma once

#include <string>
#include <vector>

#include "platform/failure.h"

namespace app_test {

struct Failures {
    Failures()
        : previous(platform::set_failure_reporter(
              [this](const std::string& m) { messages.push_back(m); })) {}
    ~Failures() { platform::set_failure_reporter(previous); }
    Failures(const Failures&) = delete;
    Failures& operator=(const Failures&) = delete;

    std::vector<std::string> messages;
    platform::FailureReporter previous;
};

}  // namespace app_test
