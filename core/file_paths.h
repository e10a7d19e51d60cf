// File-system paths from the program's texts and back. Paths are UTF-8
// bytes on disk whatever the process locale says.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace core {

std::filesystem::path fs_path(std::wstring_view text);
std::wstring text_of(const std::filesystem::path& path);

}  // namespace core
