// The system's CUPS queues: what a queue says of itself, and a job of a
// finished PDF, which the printer gets as text and lays out at its own
// resolution. The server is the one the CUPS client settings name.
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

// False when the queue refused the job or it could not be sent whole.
bool print_pdf_on_cups_queue(const std::string& name, const PdfBytes& pdf, int copies,
                             const std::string& title);

}  // namespace platform
