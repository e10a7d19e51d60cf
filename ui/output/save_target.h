// Where a saved document goes: the folder, the cleaned title and the
// extension of the chosen format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ui {

// 0 PDF, 1 DOC, 2 HTML; nullopt for any other choice.
std::optional<std::wstring> save_extension(double save_format);

// The full path of the file: `folder` (trailing blanks dropped; `fallback`
// when that leaves it empty) + "/" + the title cleaned into a file name +
// the extension. nullopt for an unknown format.
std::optional<std::wstring> save_path(std::wstring_view folder, std::wstring_view fallback, std::wstring_view title,
                                      double save_format);

}  // namespace ui
