// Text that several templates share, written once.
//
// "<<NAME>>" in a plain or block value stands for the text of the file NAME
// (a file name, no folder), looked up in the source's own folder and then in
// each folder above it up to the library's top folder, never above it; the
// library keeps such files, named "*.inc", at the top of a language's folder. A shared file is read
// as a ">" block is: its lines, without the blanks at either end, joined by one blank; blank lines
// and lines beginning with "#" are left out, so it can say what it holds. A
// shared file names no shared file of its own, and a quoted value is read as
// written. A "<<" followed by a blank, a quote or a brace is no marker: the
// condition operator ({IF A << "x" THEN …}) stays as written.
//
//     text: >
//       <<город.inc>>, {длинная:Дата договора}
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/brikc/outline.h"

namespace brikc {

// The bytes of the shared file `name` (UTF-8), or none when there is none.
using shared_files = std::function<std::optional<std::string>(const std::string& name)>;

// Files found from the folder of `source` upwards to `top`, the library's top
// folder; in that folder alone when `top` is empty or does not hold it.
shared_files shared_files_beside(const std::filesystem::path& source,
                                 const std::filesystem::path& top);

// Replaces every "<<NAME>>" in the plain and block values of `entries`.
// Throws `source_error` at the marker's line for a file that is missing or
// malformed, or named with a folder.
void insert_shared_texts(std::vector<outline_entry>& entries, const shared_files& files);

}  // namespace brikc
