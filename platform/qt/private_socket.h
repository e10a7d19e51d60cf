// Local stream sockets at a path in the file system (never the abstract
// namespace), between the processes of one user only.
#pragma once

#include <sys/types.h>

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
// as `user`.
bool peer_is_user(int fd, uid_t user);

struct Asked {
    // A listener of the user took the request.
    bool reached = false;
    // Its answer; none when the connection ended unanswered or the time
    // was up.
    std::optional<char> answer;
};

// Connects to `path` and, where a process of `user` listens there, sends
// `request` and waits until `until` for a byte in answer. Nothing is sent
// to anyone else.
Asked ask(const std::filesystem::path& path, char request, uid_t user,
          std::chrono::steady_clock::time_point until);

}  // namespace platform
