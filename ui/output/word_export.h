// The text of a saved DOC file.
#pragma once

#include <functional>
#include <string>

#include "engine/document/doc_model.h"

namespace ui {

// Runs `render` (the Word HTML of the document) with the page-setup root's
// `b` set to 1, as the Word export expects, and restores 0 afterwards also
// when `render` throws; then writes "&apos;" as a plain "'".
std::wstring word_file_text(engine::doc_record* page_setup_root,
                            const std::function<std::wstring()>& render);

}  // namespace ui
