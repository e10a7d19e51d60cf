// Temporary files of saves that were cut short ("kill -9" or a power loss in
// the middle of engine::replace_file) are removed at start, so they do not
// pile up beside the documents.
#pragma once

#include <string>

#include "core/library_folders.h"

namespace core {

// Removes the regular files named ".paperwright-<pid>-<n>.saving" from the
// data folder, the value lists and the whole library that no process holds
// (engine::remove_unless_held) and whose pid is not a running process of this
// program (/proc/<pid>/exe is another executable, or none): a save of another
// installation is held by its lock. Other files, and everything when this
// program's own executable cannot be read, are left alone. Never throws.
void remove_stale_saves(const library_folders& folders);

// The same for the files directly in `folder` (a folder documents are saved
// into); its subfolders are left alone. Never throws.
void remove_stale_saves_in(const std::wstring& folder);

}  // namespace core
