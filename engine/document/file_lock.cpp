#include "engine/document/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace engine {

namespace {

// A holder keeps the lock for a read and a write of a small file: a short
// sleep between tries costs a waiter little.
constexpr std::chrono::milliseconds poll_interval{2};

// Whether `path` still names the open file `fd`.
bool names(const std::filesystem::path& path, int fd) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

}  // namespace

file_lock::file_lock(const std::filesystem::path& file, std::chrono::milliseconds wait)
    : path_(file.string() + ".lock") {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // Not following a link, nor blocking on a FIFO put in its place.
        const int fd = ::open(
            path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return;
        }
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno == EINTR) continue;
            if (errno != EWOULDBLOCK) {
                ::close(fd);
                return;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(fd);
                outcome_ = outcome::busy;
                return;
            }
            std::this_thread::sleep_for(poll_interval);
        }
        if (names(path_, fd)) {
            fd_ = fd;
            outcome_ = outcome::held;
            return;
        }
        // Its holder removed it on letting go; the next holder locks a new one.
        ::close(fd);
    }
}

file_lock::~file_lock() {
    if (fd_ < 0) return;
    // Removed while still held, so a waiter on it finds it gone and takes
    // the next one.
    if (names(path_, fd_)) ::unlink(path_.c_str());
    ::close(fd_);
}

}  // namespace engine
