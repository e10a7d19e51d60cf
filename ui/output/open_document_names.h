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
// The separator and the short name: what the title adds while the tool bar
// is hidden.
std::wstring GetDocumentName(const core::session& session);
// The status-bar caption: the library and its selected section while the
// library page is shown, else the last document's folder and name.
std::wstring BreadcrumbText(const core::session& session);
std::wstring GetFooterText(const core::session& session);
bool IsPageNumberInFooter(const core::session& session);
// Stores a typed file name as the title; nothing without a page setup.
void StripKnownExtension(core::session& session, const std::wstring& file_name);

}  // namespace ui
