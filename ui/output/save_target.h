// Where a saved document goes: the folder, the cleaned title and the
// extension of the chosen format.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/output_choices.h"

namespace ui {

// ".pdf", ".doc" or ".html"; nullopt for a value outside the enum.
std::optional<std::wstring> save_extension(core::SaveFormat save_format);

// The full path of the file: `folder` (trailing blanks dropped; `fallback`
// when that leaves it empty) + "/" + the title cleaned into a file name +
// the extension; name and extension take at most 255 bytes of UTF-8. nullopt
// for an unknown format.
std::optional<std::wstring> save_path(std::wstring_view folder, std::wstring_view fallback,
                                      std::wstring_view title, core::SaveFormat save_format);

}  // namespace ui
