// What printing, PDF saving and the preview share: the layout, the footer
// and the script that fills the print view.
#pragma once

#include <string>

#include "core/formatting_cache.h"
#include "core/interface_texts.h"
#include "engine/document/document_data.h"
#include "engine/document/ui_strings.h"
#include "engine/document/ui_text.h"
#include "platform/document_output.h"
#include "ui/output/print_layout.h"

namespace ui {

inline margins_mm margins_of(const core::formatting_cache& cache) {
    return {cache.margin_left, cache.margin_top, cache.margin_right, cache.margin_bottom};
}

// A printed or saved PDF names the document and the program (by its name in
// the interface language) that made it.
inline platform::PdfInfo pdf_info(std::wstring title) {
    return {std::move(title), core::ui_string(engine::ui_text::program_name)};
}

// Replaces the page's content; the text goes in as an escaped literal.
std::wstring replace_page_script(const std::wstring& html);

// True once every image of the page has loaded or failed.
inline constexpr wchar_t images_settled_script[] =
    L"Array.prototype.every.call(document.images,function(i){return i.complete;})";

}  // namespace ui
