// Where the local socket of the copy running on a data folder stands: only
// in a folder that its user alone can reach, never in the abstract
// namespace (which any user of the machine can take a name in). The name
// depends on the data folder, so copies on two data folders listen apart.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

struct SocketRoots {
    // $XDG_RUNTIME_DIR; empty when unset.
    std::string runtime_folder;
    // Where the folder of last resort is made.
    std::filesystem::path shared_temp = "/tmp";
    // Where a session's runtime folder usually is (/run/user/<uid>).
    std::string usual_runtime_folder;
};

struct SocketPlaces {
    // In order of preference; empty when there is none, `problem` then says
    // why.
    std::vector<std::filesystem::path> paths;
    std::string problem;
};

// The runtime folder when it is a directory of this user's with mode 0700;
// the data folder when it can be written and the path fits a socket
// address; where neither is there, `shared_temp`/tembrick-<uid>, made with
// mode 0700 and checked (owner, mode, not a link) at every call, as another
// user may have made it first. A copy listens at the first place it can.
SocketPlaces socket_places(const std::filesystem::path& data_folder, const SocketRoots& roots);

// Where a later start asks: the places above and, without a runtime folder
// of its own (started through su or sudo), those of the usual one, where a
// copy started in the user's session listens.
std::vector<std::filesystem::path> places_to_ask(const std::filesystem::path& data_folder,
                                                 const SocketRoots& roots);

// The roots of this process's environment.
SocketRoots socket_roots();

}  // namespace platform
