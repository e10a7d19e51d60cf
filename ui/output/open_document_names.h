// The names of the session's open document that saving and printing show:
// its title (with a short name of the library page or the last document as
// the fallback), the footer and the title typed into the save page.
#pragma once

#include <string>

#include "core/session.h"

namespace ui {

// The title of the page setup; when it is empty and `use_name` is set, the
// library's name while the library page is shown, else the last document's
// short name.
std::wstring GetDocumentTitle(const core::session& session, bool use_name);
std::wstring GetFooterText(const core::session& session);
bool IsPageNumberInFooter(const core::session& session);
// Stores a typed file name as the title; nothing without a page setup.
void StripKnownExtension(core::session& session, const std::wstring& file_name);

}  // namespace ui
