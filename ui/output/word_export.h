// The text of a saved DOC file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/document/doc_model.h"

namespace ui {

// Runs `render` (the Word HTML of the document) with the page-setup root's
// `b` set to 1, as the Word export expects, and restores 0 afterwards also
// when `render` throws; then writes "&apos;" as a plain "'".
std::wstring word_file_text(engine::doc_record* page_setup_root,
                            const std::function<std::wstring()>& render);

// The bytes of a DOC file: UTF-8 behind a byte-order mark, without which a
// word processor may guess another type from the characters and open the
// file as plain text.
std::string word_file_bytes(std::wstring_view text);

}  // namespace ui
