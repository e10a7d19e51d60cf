// The print queue a print goes to: what it says of itself, and the jobs it
// takes. The system's default queue is the real one; a PDF file stands in
// for it in tests, as does a fake. UI thread only; every call asks the
// queue afresh.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using PdfBytes = std::vector<std::uint8_t>;

// What a queue reports just before a job.
struct PrinterStatus {
    bool present = true;  // false: no queue is set up, or it was deleted
    bool stopped = false;
    bool accepting_jobs = true;
    // False for a raw queue (no driver on this computer): it hands the bytes
    // to the device unchanged.
    bool has_driver = true;
    bool takes_pdf = true;

    // Whether a job may be sent at all.
    bool available() const { return present && !stopped && accepting_jobs; }
};

class PrintDestination {
public:
    virtual ~PrintDestination() = default;

    virtual PrinterStatus status() = 0;
    // One job of `pdf` as it is, in `copies` copies; false when the queue
    // refused or lost it.
    virtual bool print_pdf(const PdfBytes& pdf, int copies, const std::wstring& title) = 0;
    // One job of the pages of `pdf` drawn as pictures, for a queue that
    // reads no PDF itself.
    virtual bool print_drawn(const PdfBytes& pdf, int copies, const std::wstring& title) = 0;
};

}  // namespace platform
