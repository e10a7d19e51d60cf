// A print queue for tests: it says what the test sets and records each job
// it is given, with what the test's hook saw as the job arrived.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/print_destination.h"

namespace platform {

class FakePrintDestination final : public PrintDestination {
public:
    enum class JobKind { pdf, drawn };
    struct Job {
        JobKind kind;
        PdfBytes pdf;
        int copies;
        std::wstring title;
    };

    PrinterStatus status() override { return reported; }
    bool print_pdf(const PdfBytes& pdf, int copies, const std::wstring& title) override {
        return take({JobKind::pdf, pdf, copies, title});
    }
    bool print_drawn(const PdfBytes& pdf, int copies, const std::wstring& title) override {
        return take({JobKind::drawn, pdf, copies, title});
    }

    PrinterStatus reported;
    bool refuses_jobs = false;  // the job is lost on its way
    std::function<void()> on_job;
    std::vector<Job> jobs;

private:
    bool take(Job job) {
        if (on_job) on_job();
        if (refuses_jobs) return false;
        jobs.push_back(std::move(job));
        return true;
    }
};

}  // namespace platform
