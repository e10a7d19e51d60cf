// The system's CUPS queues: what a queue says of itself, and a job of a
// finished PDF, which the printer gets as text and lays out at its own
// resolution on the PDF's own paper. The server is the one the CUPS client
// settings name.
#pragma once

#include <string>

#include "platform/print_destination.h"

namespace platform {

struct CupsQueue {
    std::string name;  // empty when there is no such queue
    PrinterStatus status;
};

// The queue named `name`, or the default one when `name` is empty.
CupsQueue cups_queue(const std::string& name);

// The paper of a job: the size of its pages, in points, as they lie.
struct JobPaper {
    double width_pt = 0;
    double height_pt = 0;
};

// The CUPS "media" of `paper`: the standard name of a paper within 5 points
// of it either way round ("Letter", "A4"), else "Custom.WxHmm", short side
// first.
std::string cups_media(const JobPaper& paper);

// False when the queue refused the job or it could not be sent whole.
// Without the paper named, a queue lays every page out on its own default
// paper, turned and scaled to fit.
bool print_pdf_on_cups_queue(const std::string& name, const PdfBytes& pdf, int copies,
                             const std::string& title, const JobPaper& paper);

}  // namespace platform
