#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/document/environment.h"
#include "engine/document/file_replace.h"
#include "engine/text/utf16.h"

namespace engine {

namespace {

namespace fs = std::filesystem;

fs::path file_system_path(const std::wstring& path) {
    std::string utf8 = to_utf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

class posix_environment final : public environment {
public:
    constexpr posix_environment() = default;

    std::optional<std::uintmax_t> file_size(const std::wstring& path) const override {
        if (path.empty()) return std::nullopt;
        std::error_code error;
        const fs::path file = file_system_path(path);
        if (!fs::is_regular_file(file, error)) return std::nullopt;
        std::uintmax_t size = fs::file_size(file, error);
        if (error) return std::nullopt;
        return size;
    }

    std::optional<std::string> read_file(const std::wstring& path,
                                         std::uintmax_t limit) const override {
        if (!file_size(path)) return std::nullopt;
        std::ifstream in(file_system_path(path), std::ios::binary);
        if (!in) return std::nullopt;
        std::string bytes(std::size_t(limit), '\0');
        in.read(bytes.data(), std::streamsize(limit));
        // A file that shrank meanwhile keeps what could be read.
        bytes.resize(std::size_t(in.gcount()));
        if (in.bad()) return std::nullopt;
        return bytes;
    }

    std::error_code replace_file(const std::wstring& path, std::string_view bytes) const override {
        if (path.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
        std::error_code error;
        fs::path target = file_system_path(path);
        // Replace what a link points to, not the link itself.
        if (fs::is_symlink(target, error)) {
            fs::path resolved = fs::canonical(target, error);
            if (error) return error;
            target = resolved;
        }
        if (fs::is_directory(target, error)) return std::make_error_code(std::errc::is_a_directory);
        return engine::replace_file(target, bytes);
    }

    std::int64_t now() const override { return std::int64_t(std::time(nullptr)); }
};

// Stateless and constant: it needs no guard and nothing writes it.
const posix_environment the_system;

}  // namespace

const environment& system_environment() { return the_system; }

}  // namespace engine
