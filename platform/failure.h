// The one place a failure that reaches the edge of the event loop is shown.
//
// Event dispatch, posted work and fire-and-forget coroutines catch every
// exception and hand it here, so none crosses the event loop: the failure is
// shown and the program goes on. The default writes to stderr; the Qt layer
// adds a message box. Tests install their own reporter to see failures.
// UI thread only.
#pragma once

#include <functional>
#include <string>

namespace platform {

using FailureReporter = std::function<void(const std::string& message)>;

// Call from inside a catch block: hands the text of the exception being
// handled to the reporter as it is, for the user to read: the program's own
// failures are sentences ("Changes could not be saved to …"), never the name
// of the place that caught them. Never throws.
void report_failure() noexcept;
// Hands a message to the reporter. Never throws.
void report_failure_message(const std::string& message) noexcept;

// Replaces the reporter; an empty one restores the default. Answers the
// previous one.
FailureReporter set_failure_reporter(FailureReporter reporter);

// The message of the exception being handled ("unknown failure" when it is
// not a std::exception).
std::string current_exception_text();

}  // namespace platform
