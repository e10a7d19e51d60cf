// What the status bar says after printing or saving: a ui_strings row and a
// severity (0 information, 1 success, 2 warning, 3 error).
#pragma once

#include "engine/document/ui_text.h"

namespace ui {

enum class output_outcome {
    saved,         // the file is written and closed
    not_opened,    // saved, but no program opened it when asked to
    save_failed,   // the file could not be made or written
    printing,      // the pages went to the printer
    no_printer,    // no printer, or it is stopped or refuses jobs
    no_driver,     // the printer has no driver: said before its job goes
    no_pages,      // the page choice leaves no page of the document
    print_failed,  // anything else went wrong while printing
    print_busy,    // a print was started while another ran
};

struct status_message {
    int row;
    int severity;
};

constexpr status_message message_for(output_outcome outcome) {
    // clang-format off
    switch (outcome) {
        case output_outcome::saved: return {engine::ui_text::document_saved, 0};
        case output_outcome::not_opened: return {engine::ui_text::saved_not_opened, 2};
        case output_outcome::save_failed: return {engine::ui_text::file_writing_failed, 3};
        case output_outcome::printing: return {engine::ui_text::now_printing, 0};
        case output_outcome::no_printer: return {engine::ui_text::printer_unavailable, 2};
        case output_outcome::no_driver: return {engine::ui_text::printer_without_driver, 2};
        case output_outcome::no_pages: return {engine::ui_text::no_chosen_pages, 0};
        case output_outcome::print_busy: return {engine::ui_text::print_in_progress, 3};
        case output_outcome::print_failed: break;
    }
    // clang-format on
    return {engine::ui_text::print_failed, 3};
}

}  // namespace ui
