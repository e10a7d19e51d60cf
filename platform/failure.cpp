#include "platform/failure.h"

#include <exception>
#include <iostream>

namespace platform {

namespace {

void write_to_stderr(const std::string& message) {
    std::cerr << "tembrick: " << message << std::endl;
}

FailureReporter& reporter() {
    static FailureReporter current = write_to_stderr;
    return current;
}

}  // namespace

std::string current_exception_text() {
    try {
        throw;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown failure";
    }
}

void report_failure() noexcept {
    try {
        report_failure_message(current_exception_text());
    } catch (...) {
    }
}

void report_failure_message(const std::string& message) noexcept {
    try {
        reporter()(message);
    } catch (...) {
        // A failing reporter must not take the program down; stderr still works.
        try {
            write_to_stderr(message);
        } catch (...) {
        }
    }
}

FailureReporter set_failure_reporter(FailureReporter next) {
    FailureReporter previous = reporter();
    reporter() = next ? std::move(next) : FailureReporter(write_to_stderr);
    return previous;
}

}  // namespace platform
