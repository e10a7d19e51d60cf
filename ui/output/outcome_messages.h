// What the status bar says after printing or saving: a ui_strings row and a
// severity (0 information, 1 success, 2 warning, 3 error).
#pragma once

namespace ui {

enum class output_outcome {
    saved,           // the file is written and closed
    not_opened,      // saved, but no program opened it when asked to
    save_failed,     // the file could not be made or written
    printing,        // the pages went to the printer
    no_printer,      // no printer, or it refused the job
    print_failed,    // anything else went wrong while printing
    print_busy,      // a print was started while another ran
};

struct status_message {
    int row;
    int severity;
};

constexpr status_message message_for(output_outcome outcome) {
    switch (outcome) {
        case output_outcome::saved: return {95, 0};
        case output_outcome::not_opened: return {97, 2};
        case output_outcome::save_failed: return {100, 3};
        case output_outcome::printing: return {96, 0};
        case output_outcome::no_printer: return {103, 2};
        case output_outcome::print_busy: return {101, 3};
        case output_outcome::print_failed: break;
    }
    return {102, 3};
}

}  // namespace ui
