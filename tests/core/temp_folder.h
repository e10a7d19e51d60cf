// A folder of its own for one test, named as the program names paths.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

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

// Points HOME and the XDG folders into `home`, as a fresh user's, so the
// program reads and writes nothing of the machine's own user.
inline void make_home(const std::filesystem::path& home) {
    std::filesystem::create_directories(home / "run");
    std::filesystem::permissions(home / "run", std::filesystem::perms::owner_all);
    for (const auto& [name, place] : {std::pair{"HOME", ""},
                                      {"XDG_DATA_HOME", ".local/share"},
                                      {"XDG_CACHE_HOME", ".cache"},
                                      {"XDG_CONFIG_HOME", ".config"},
                                      {"XDG_RUNTIME_DIR", "run"}})
        setenv(name, (home / place).c_str(), 1);
}

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
