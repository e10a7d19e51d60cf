// Collects what reaches the failure reporter while a test runs.
#pragma once

#include <string>
#include <vector>

#include "platform/failure.h"

namespace app_test {

class Failures {
public:
    Failures() {
        previous_ = platform::set_failure_reporter([this](const std::string& m) { messages.push_back(m); });
    }
    ~Failures() { platform::set_failure_reporter(previous_); }
    Failures(const Failures&) = delete;
    Failures& operator=(const Failures&) = delete;

    std::vector<std::string> messages;

private:
    platform::FailureReporter previous_;
};

}  // namespace app_test
