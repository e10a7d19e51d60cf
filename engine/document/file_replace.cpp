#include "engine/document/file_replace.h"

#include <fcntl.h>
#include <sys/file.h>
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

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `path` still names the open file `fd`.
bool names(const std::filesystem::path& path, int fd) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           same_file(opened, named);
}

enum class lock_taken { held, lost, unsupported };

// The lock on a file this process has just created. Lost when a sweep holds
// it, or took it and removed the file between its creation and now: the
// name is no longer ours to write.
lock_taken lock_new_file(int fd, const std::filesystem::path& path) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) return lock_taken::lost;
        // Where the file system has no locks, no sweep can take one either.
        if (errno != EINTR) return lock_taken::unsupported;
    }
    return names(path, fd) ? lock_taken::held : lock_taken::lost;
}

}  // namespace

saving_file::saving_file(const std::filesystem::path& folder, std::string_view first_name) {
    for (int attempt = 0; attempt < max_name_attempts; ++attempt) {
        const std::filesystem::path path =
            folder /
            (attempt == 0 && !first_name.empty() ? std::string(first_name) : temporary_name());
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            error_ = last_error();
            return;
        }
        if (lock_new_file(fd, path) == lock_taken::lost) {
            // Whoever holds the name now removes it.
            ::close(fd);
            continue;
        }
        path_ = path;
        fd_ = fd;
        lock_fd_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
        if (lock_fd_ < 0) error_ = last_error();
        return;
    }
    error_ = std::make_error_code(std::errc::file_exists);
}

saving_file::~saving_file() {
    if (fd_ >= 0) ::close(fd_);
    // Removed while still locked, so no sweep finds it half gone.
    if (!path_.empty() && !renamed_) ::unlink(path_.c_str());
    if (lock_fd_ >= 0) ::close(lock_fd_);
}

std::error_code saving_file::write(std::string_view bytes) {
    if (error_) return error_;
    return write_all(fd_, bytes);
}

std::error_code saving_file::rename_over(const std::filesystem::path& target) {
    if (error_) return error_;
    struct stat replaced {};
    if (::stat(target.c_str(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
        ::fchmod(fd_, replaced.st_mode & 07777);
    }
    if (::fsync(fd_) != 0) return last_error();
    if (::close(std::exchange(fd_, -1)) != 0) return last_error();
    if (::rename(path_.c_str(), target.c_str()) != 0) return last_error();
    renamed_ = true;
    return {};
}

std::error_code replace_file(const std::filesystem::path& target, std::string_view bytes,
                             std::string_view first_name) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    saving_file file(folder, first_name);
    if (std::error_code error = file.write(bytes)) return error;
    return file.rename_over(target);
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

bool remove_unless_held(const std::filesystem::path& path) {
    // Not blocking on a FIFO put in the file's place since it was listed.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat opened {};
    // Unlinked while locked: a writer that locks the name after this finds
    // it gone and takes another.
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
                         S_ISREG(opened.st_mode) && names(path, fd) && ::unlink(path.c_str()) == 0;
    ::close(fd);
    return removed;
}

}  // namespace engine
