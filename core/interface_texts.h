// The interface language as the program's controls read it, and their texts
// in it. The session is the one writer of the language; the engine is handed
// the language with every render and reads nothing from here. UI thread only.
#pragma once

#include <string>
#include <system_error>

namespace core {

// 0 English, 1 Russian.
extern int current_language;

// The interface text of `row` in `current_language`.
std::wstring ui_string(int row);

// The sentence that says a document's changes were not written, naming the
// file and the system's reason.
std::wstring changes_not_saved(const std::wstring& file, const std::error_code& reason);
// The sentence that says the library of the interface language cannot be
// copied into the data folder, naming it and the system's reason.
std::wstring library_not_copied(const std::wstring& folder, const std::error_code& reason);
// The status bar's note while the data folder cannot be written.
std::wstring changes_not_kept(const std::wstring& folder);

}  // namespace core
