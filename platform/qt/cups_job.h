// A print job of a finished PDF on the system's default CUPS destination:
// the printer gets the pages as text and lays them out at its own
// resolution.
#pragma once

#include <string>

#include "platform/document_output.h"

namespace platform {

enum class CupsOutcome {
    sent,
    no_printer,  // no default destination, or it is stopped
    no_pdf,      // the destination takes no PDF (a raw queue)
    failed,
};

CupsOutcome print_pdf_on_default_destination(const PdfBytes& pdf, int copies,
                                             const std::string& title);

}  // namespace platform
