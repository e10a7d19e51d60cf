#include "platform/qt/data_folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>
#include <utility>

#include "platform/qt/copy_process.h"

namespace platform {

namespace {

constexpr char lock_file_name[] = "tembrick.lock";

constexpr int never_following = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

int open_retrying(const char* path, int flags) {
    int fd = -1;
    do {
        fd = ::open(path, flags, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// -1 unless `path` opens as a regular file: a link or a FIFO in its place is
// neither followed nor waited on.
int open_regular(const std::filesystem::path& path, int flags) {
    const int fd = open_retrying(path.c_str(), flags | never_following);
    struct stat opened {};
    if (fd >= 0 && (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Locks `fd`, which is closed unless the lock is had.
FolderLock::Outcome lock(int fd) {
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) return FolderLock::Outcome::held;
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? FolderLock::Outcome::busy : FolderLock::Outcome::refused;
}

void write_process_id(int fd) {
    const std::string id = std::to_string(::getpid()) + '\n';
    if (::ftruncate(fd, 0) != 0) return;
    // A lock file without the id still locks; only the naming of the holder
    // is lost.
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, id.data(), id.size(), 0);
}

}  // namespace

FolderLock FolderLock::locked(int fd) {
    if (fd < 0) return {-1, Outcome::refused};
    const Outcome outcome = lock(fd);
    return {outcome == Outcome::held ? fd : -1, outcome};
}

FolderLock FolderLock::of_file(const std::filesystem::path& file) {
    return locked(open_regular(file, O_RDWR | O_CREAT));
}

FolderLock FolderLock::of_data_folder(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / lock_file_name;
    int fd = open_regular(file, O_RDWR | O_CREAT);
    const bool writable = fd >= 0;
    // A lock on the file opened for reading excludes one opened for writing:
    // a copy on a read-only data folder still finds the one before it.
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = open_regular(file, O_RDONLY);
    // No such file can be made (a read-only folder), or a link or something
    // else stands in its place, which is never followed: every copy then
    // locks the folder itself.
    if (fd < 0) return locked(open_retrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    FolderLock taken = locked(fd);
    if (writable && taken.outcome_ == Outcome::held) write_process_id(taken.fd_);
    return taken;
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), outcome_(other.outcome_) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        outcome_ = other.outcome_;
    }
    return *this;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<int> data_folder_holder(const std::filesystem::path& folder) {
    const int fd = open_regular(folder / lock_file_name, O_RDONLY);
    if (fd < 0) return std::nullopt;
    char text[32];
    const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
    struct stat opened {};
    const bool seen = ::fstat(fd, &opened) == 0;
    ::close(fd);
    if (got <= 0 || !seen) return std::nullopt;
    int id = 0;
    const auto [end, error] = std::from_chars(text, text + got, id);
    if (error != std::errc() || id <= 0 || (end != text + got && *end != '\n')) return std::nullopt;
    // Where the holder could not write the file, it holds an earlier copy's
    // id, which may name any process by now.
    if (!is_copy_with_file_open(id, opened)) return std::nullopt;
    return id;
}

}  // namespace platform
