// Replacing a file whole, the one way the program writes its files (documents,
// settings, exports): the new bytes go to a temporary file beside the target,
// are flushed to the disk and renamed over the target, so a reader finds the
// old file or the new one, never a part of either.
//
// The temporary name is ".paperwright-<pid>-<n>.saving" (pid and n in
// decimal). It is created afresh with O_EXCL | O_NOFOLLOW: whatever already
// has that name, a link included, is neither opened nor removed, and another
// n is tried. On any failure the temporary file is removed and the target
// keeps its old bytes. The pattern must not change: the start-up clean-up of
// interrupted saves matches it. Any thread.
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

// The pid in a temporary name of the pattern above; nullopt for any other name.
std::optional<long> saving_file_pid(std::string_view file_name);

}  // namespace engine
