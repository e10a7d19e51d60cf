// The view modes of the window and the pages of the save/print panel. Their
// values are the codes the left menu stores: an index or a control's code is
// turned into one of these where it is read.
#pragma once

#include <cstdint>

namespace core {

// What the panel beside the document shows.
enum class ViewMode : std::int32_t {
    data = 0,        // the fields of the selected section
    settings = 1,    // the settings pages
    text_edit = 2,   // the template's own texts
    save_print = 3,  // the save/print panel, with the print preview in the view
};

enum class SavePrintPage : std::int32_t {
    print = 0,
    save = 1,
    layout = 2,
};

}  // namespace core
