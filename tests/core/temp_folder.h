// A folder of its own for one test, named as the program names paths.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "core/file_paths.h"
#include "support/temp_folder.h"

namespace core_test {

class TempFolder : public fixture::temp_folder {
public:
    std::wstring text() const { return core::text_of(path()); }
    std::filesystem::path operator/(std::wstring_view relative) const {
        return path() / core::fs_path(relative);
    }
};

inline void write_file(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    fixture::write_bytes(path, bytes);
}

inline std::string read_file(const std::filesystem::path& path) {
    return fixture::read_bytes(path);
}

// Text as UTF-16LE bytes, the form of the settings file.
inline std::string utf16le(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) bytes += {char(unit & 0xFF), char(unit >> 8)};
    return bytes;
}

// A settings file of the given count and lines, as the program writes them.
inline std::string settings_file(std::initializer_list<std::u16string_view> lines,
                                 std::u16string_view count = u"16") {
    std::u16string text(count);
    for (auto line : lines) (text += u"\r\n") += line;
    return utf16le(text + u"\r\n");
}

inline bool file_contains(const std::filesystem::path& path, std::u16string_view text) {
    return read_file(path).find(utf16le(text)) != std::string::npos;
}

}  // namespace core_test
