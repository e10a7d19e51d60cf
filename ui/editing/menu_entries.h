// The entries of the left menu for each view mode, as data.
//
// Data: one entry per parameter section, named by the section. Settings: the
// four settings pages. Text editing: "[Setup paragraphs]" first (the pages
// before the first standard page), then one entry per block of the first
// standard page, named by the block, so that entry k opens block k - 1.
// Save/print: Print and Save. Labels of the last three follow
// `current_language`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/view_mode.h"
#include "engine/document/document_data.h"

namespace ui {

struct menu_entry {
    std::wstring text;
    // Page labels (modes 1 and 3) are indented and drawn in WhiteSmoke.
    bool page_label = false;
};

// No entries for a null tree or an unknown mode.
std::vector<menu_entry> menu_entries(core::ViewMode mode, const engine::document_data* data);

}  // namespace ui
