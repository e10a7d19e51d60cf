#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "engine/document/environment.h"
#include "engine/text/utf16.h"

namespace engine {

namespace {

namespace fs = std::filesystem;

fs::path file_system_path(const std::wstring& path) {
    std::string utf8 = to_utf8(path);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A name in the folder of `target` that no other save uses. It does not grow
// with the target's name, and the leading dot keeps it out of listings.
fs::path temporary_beside(const fs::path& target) {
    std::random_device random;
    const std::uint64_t draw = (std::uint64_t(random()) << 32) | random();
    std::string name = ".paperwright-" + std::to_string(::getpid()) + "-" +
                       std::to_string(draw % 1000000000) + ".saving";
    return target.parent_path() / name;
}

bool write_and_sync(const fs::path& file, std::string_view bytes) {
    // "x": never reuse an existing file of that name.
    std::FILE* out = std::fopen(file.c_str(), "wbx");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    ok = ::fsync(::fileno(out)) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    return ok;
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

    bool replace_file(const std::wstring& path, std::string_view bytes) const override {
        if (path.empty()) return false;
        std::error_code error;
        fs::path target = file_system_path(path);
        // Replace what a link points to, not the link itself.
        if (fs::is_symlink(target, error)) {
            fs::path resolved = fs::canonical(target, error);
            if (error) return false;
            target = resolved;
        }
        if (fs::is_directory(target, error)) return false;
        fs::path temporary = temporary_beside(target);
        if (!write_and_sync(temporary, bytes)) {
            fs::remove(temporary, error);
            return false;
        }
        // Keep the permissions of the file being replaced.
        fs::file_status status = fs::status(target, error);
        if (!error && fs::exists(status)) fs::permissions(temporary, status.permissions(), error);
        fs::rename(temporary, target, error);
        if (error) {
            fs::remove(temporary, error);
            return false;
        }
        return true;
    }

    std::int64_t now() const override { return std::int64_t(std::time(nullptr)); }
};

// Stateless and constant: it needs no guard and nothing writes it.
const posix_environment the_system;

}  // namespace

const environment& system_environment() { return the_system; }

}  // namespace engine
