// Replacing a file whole, the one way the program writes its files (documents,
// settings, exports): the new bytes go to a temporary file beside the target,
// are flushed to the disk and renamed over the target, so a reader finds the
// old file or the new one, never a part of either.
//
// The temporary name is ".paperwright-<pid>-<n>.saving" (pid and n in
// decimal). It is created afresh with O_EXCL | O_NOFOLLOW: whatever already
// has that name, a link included, is neither opened nor removed, and another
// n is tried. From its creation until it is renamed or removed the file is
// held under an advisory lock (flock), which the clean-up of interrupted
// saves takes without waiting before it removes a file: a file a live process
// is writing, of any installation of the program, is never swept. On any
// failure the temporary file is removed and the target keeps its old bytes.
// The pattern and the lock must not change: other versions of the program
// sweep by them. Any thread.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace engine {

// Writes `bytes` as the file `target`. A link at `target` is replaced by the
// file, not followed; the permissions of a replaced file are kept. Answers the
// failure, an empty code on success. `first_name`, for tests, is the temporary
// name tried first, in the target's folder; random names follow it.
std::error_code replace_file(const std::filesystem::path& target, std::string_view bytes,
                             std::string_view first_name = {});

// The temporary file of one replacement, created and locked in `folder`. It
// is removed when the object goes, unless it was renamed over its target.
class saving_file {
public:
    // `first_name` as for replace_file; `error()` says why no file was made.
    explicit saving_file(const std::filesystem::path& folder, std::string_view first_name = {});
    ~saving_file();
    saving_file(const saving_file&) = delete;
    saving_file& operator=(const saving_file&) = delete;

    std::error_code error() const { return error_; }
    const std::filesystem::path& path() const { return path_; }

    std::error_code write(std::string_view bytes);
    // Takes the permissions of a regular file at `target`, flushes the file
    // to the disk, closes it and renames it over `target`.
    std::error_code rename_over(const std::filesystem::path& target);

private:
    std::filesystem::path path_;
    int fd_ = -1;
    // The same open file under a second descriptor: the lock stays held
    // after the checked close of `fd_`, until the rename is done.
    int lock_fd_ = -1;
    bool renamed_ = false;
    std::error_code error_;
};

// The pid in a temporary name of the pattern above; nullopt for any other name.
std::optional<long> saving_file_pid(std::string_view file_name);

// Removes the regular file at `path` when no process holds its lock (taken
// here without waiting) and the name still names the file that was locked.
// A file that cannot be opened or locked is kept. Answers whether it went.
bool remove_unless_held(const std::filesystem::path& path);

}  // namespace engine
