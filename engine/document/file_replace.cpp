#include "engine/document/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <random>
#include <utility>

namespace engine {

namespace {

constexpr std::string_view saving_prefix = ".paperwright-";
constexpr std::string_view saving_suffix = ".saving";
// Names are random; a run of clashes means something is wrong with the folder.
constexpr int max_name_attempts = 16;

// A fresh draw for every name: saves are rare, and no generator state is
// shared between threads.
std::string temporary_name() {
    std::random_device random;
    const std::uint64_t draw = (std::uint64_t(random()) << 32) | random();
    return std::string(saving_prefix) + std::to_string(::getpid()) + "-" +
           std::to_string(draw % 1000000000) + std::string(saving_suffix);
}

std::error_code last_error() { return {errno, std::generic_category()}; }

// The descriptor closed and the file removed unless kept.
class temporary_file {
public:
    temporary_file(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~temporary_file() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    temporary_file(const temporary_file&) = delete;
    temporary_file& operator=(const temporary_file&) = delete;

    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }
    void keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    int fd_;
    bool kept_ = false;
};

std::error_code write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return last_error();
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return {};
}

bool all_digits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

std::error_code replace_file(const std::filesystem::path& target, std::string_view bytes,
                             std::string_view first_name) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        if (attempt == max_name_attempts) return std::make_error_code(std::errc::file_exists);
        temporary = folder / (attempt == 0 && !first_name.empty() ? std::string(first_name)
                                                                  : temporary_name());
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return last_error();
    }
    temporary_file file(std::move(temporary), fd);
    if (std::error_code error = write_all(file.fd(), bytes)) return error;
    struct stat replaced {};
    if (::stat(target.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
        ::fchmod(file.fd(), replaced.st_mode & 07777);
    }
    if (::fsync(file.fd()) != 0) return last_error();
    if (!file.close()) return last_error();
    if (::rename(file.path().c_str(), target.c_str()) != 0) return last_error();
    file.keep();
    return {};
}

std::optional<long> saving_file_pid(std::string_view file_name) {
    if (!file_name.starts_with(saving_prefix) || !file_name.ends_with(saving_suffix))
        return std::nullopt;
    file_name.remove_prefix(saving_prefix.size());
    file_name.remove_suffix(saving_suffix.size());
    const std::size_t dash = file_name.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const std::string_view pid = file_name.substr(0, dash);
    if (!all_digits(pid) || !all_digits(file_name.substr(dash + 1)) || pid.size() > 9)
        return std::nullopt;
    return std::stol(std::string(pid));
}

}  // namespace engine
