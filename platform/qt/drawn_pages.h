// A print of pages drawn as pictures, for a printer that reads no PDF: each
// page of a finished PDF, rendered by Qt PDF at the printer's resolution
// (never coarser than 300 dpi, never finer than 600) over white.
#pragma once

#include <QPrinter>
#include <memory>
#include <string>

#include "platform/print_destination.h"

namespace platform {

// False when the printer is not valid or a page could not be drawn.
bool print_drawn_pages(std::unique_ptr<QPrinter> printer, const PdfBytes& pdf, int copies,
                       const std::wstring& title);

}  // namespace platform
