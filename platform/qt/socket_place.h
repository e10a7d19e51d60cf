// Where the local socket of the copy running on a data folder stands: only
// in a folder that its user alone can reach, never in the abstract
// namespace (which any user of the machine can take a name in). The name
// depends on the data folder, so copies on two data folders listen apart.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
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
    // Where a copy leaves where it listens, for every later start of its
    // user's: a folder of the user's own made with mode 0700 (in the cache
    // folder); none when empty.
    std::filesystem::path record_folder;
    // The user whose folders these must be, and who alone is answered.
    uid_t user = ::getuid();
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
// user may have made it first.
SocketPlaces socket_places(const std::filesystem::path& data_folder, const SocketRoots& roots);

// Where none of those takes a socket: a folder made afresh (mkdtemp) in
// `shared_temp`, which no one else can have made, where the record folder
// can keep its place; none with `problem` set otherwise.
std::optional<std::filesystem::path> fresh_socket_place(const std::filesystem::path& data_folder,
                                                        const SocketRoots& roots,
                                                        std::string& problem);

// Leaves `socket` in the record folder as where the copy on `data_folder`
// listens; false when it cannot. A fresh folder that the record named
// before, left by a copy that was killed, goes.
bool record_socket_place(const std::filesystem::path& data_folder, const SocketRoots& roots,
                         const std::filesystem::path& socket);

// Removes the socket and, when it stands in a fresh folder, the folder.
void remove_socket_place(const std::filesystem::path& socket, const SocketRoots& roots);

// Where a later start asks: where the record folder says the copy listens,
// the places above and, without a runtime folder of its own (started
// through su or sudo), those of the usual one, where a copy started in the
// user's session listens.
std::vector<std::filesystem::path> places_to_ask(const std::filesystem::path& data_folder,
                                                 const SocketRoots& roots);

// The roots of this process's environment.
SocketRoots socket_roots();

}  // namespace platform
