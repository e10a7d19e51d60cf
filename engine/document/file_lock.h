// A lock held across a read of a file and its replacement, so that changes
// that several processes make to one file follow each other and none is
// lost.
//
// The lock is an advisory one (flock) on "<file>.lock" beside the file,
// made when taken and removed by its holder before it lets go: no lock file
// stays behind, and none is ever read as the file itself. A waiter that got
// the lock of a lock file removed meanwhile takes the new one instead. Any
// thread; one object, one holder.
#pragma once

#include <chrono>
#include <filesystem>

namespace engine {

class file_lock {
public:
    enum class outcome {
        held,
        // Another holder kept it for the whole wait.
        busy,
        // No lock file can be made or locked here (a read-only folder, a
        // file system without locks, something else in its place): the
        // caller goes on without one, as a write there fails on its own.
        unavailable,
    };

    // Takes the lock of `file`, waiting at most `wait` for another holder.
    file_lock(const std::filesystem::path& file, std::chrono::milliseconds wait);
    // Removes the lock file and lets go.
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;

    outcome result() const { return outcome_; }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    outcome outcome_ = outcome::unavailable;
};

}  // namespace engine
