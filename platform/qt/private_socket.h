// Local stream sockets at a path in the file system (never the abstract
// namespace), between the processes of one user only.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// A socket listening at `path` with mode 0600, replacing a socket left
// there (the caller holds the name); -1 with `problem` set when none can be
// made. The descriptor is not inherited by programs this one starts.
int listen_at(const std::filesystem::path& path, std::string& problem);

// Whether the process at the other end of the connected socket `fd` runs
// as this process's user.
bool peer_is_this_user(int fd);

// Connects to `path`, sends `request` and waits until `until` for a byte
// in answer; none when nobody of this user listens there, the connection
// ends unanswered or the time is up.
std::optional<char> ask(const std::filesystem::path& path, char request,
                        std::chrono::steady_clock::time_point until);

}  // namespace platform
