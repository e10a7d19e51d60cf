// The advisory lock (flock) by which one running copy holds its data folder.
// The kernel lets go of it however the process ends, so a killed copy
// leaves nothing that stops the next start. The lock file is never removed:
// an unlocked one is free to take. Its descriptor is not inherited by
// programs this one starts, which could otherwise hold it past its end.
#pragma once

#include <filesystem>
#include <optional>

namespace platform {

class FolderLock final {
public:
    enum class Outcome {
        held,     // this process holds it
        busy,     // another process holds it
        refused,  // none can be made here
    };

    // Takes the lock of the data folder `folder`, on "tembrick.lock" there,
    // and writes this process's id into it. A lock file that cannot be
    // written is locked as it is; where none can be opened, or a link
    // stands in its place, the folder itself is locked. Refused only by a
    // file system without locks, or a folder that is not there.
    static FolderLock of_data_folder(const std::filesystem::path& folder);
    // Takes the lock of the file `file`, which holds nothing.
    static FolderLock of_file(const std::filesystem::path& file);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    ~FolderLock();

    Outcome outcome() const { return outcome_; }

private:
    FolderLock(int fd, Outcome outcome) : fd_(fd), outcome_(outcome) {}
    // Locks the open `fd`, which goes with the object, or is closed unless
    // the lock is had; refused for -1.
    static FolderLock locked(int fd);

    int fd_ = -1;
    Outcome outcome_ = Outcome::refused;
};

// The process id in `folder`'s lock file, where that process is alive,
// runs as this user, is this program and holds the lock file open: the
// copy holding the folder. None otherwise, as for an id left by an ended
// copy in a lock file the copy after it could not write.
std::optional<int> data_folder_holder(const std::filesystem::path& folder);

}  // namespace platform
