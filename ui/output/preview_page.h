// The pages the document view shows in the save/print mode: the PDF of the
// print in a frame that fills the view, or the message that there is none.
#pragma once

#include <string>

namespace ui {

// The frame shows `pdf_address`; "#toolbar=0" hides the viewer's own print
// and save buttons, which would go around this program.
std::wstring preview_page(const std::wstring& pdf_address);

// "Preview unavailable" in the interface language.
std::wstring preview_error_page();

// The same page saying that the page choice leaves no page of the document.
std::wstring preview_no_pages_page();

}  // namespace ui
