#include "platform/qt/socket_place.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

namespace fs = std::filesystem;

// The longest path a socket address holds, its terminating zero aside.
constexpr std::size_t longest_socket_path = sizeof(sockaddr_un::sun_path) - 1;

// One name per data folder, the same however the folder is reached.
std::string name_of(const fs::path& data_folder) {
    std::error_code error;
    const fs::path real = fs::weakly_canonical(data_folder, error);
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString((error ? data_folder : real).string()),
                                 QCryptographicHash::Sha256);
    return "tembrick-" + hash.toHex().left(32).toStdString();
}

// The folder itself, not a link, this user's, and closed to everyone else.
bool private_folder(const fs::path& folder) {
    struct stat found {};
    return ::lstat(folder.c_str(), &found) == 0 && S_ISDIR(found.st_mode) &&
           found.st_uid == ::getuid() && (found.st_mode & 07777) == 0700;
}

bool fits(const fs::path& path) { return path.native().size() <= longest_socket_path; }

void add_shared_temp(const fs::path& data_folder, const fs::path& shared_temp,
                     SocketPlaces& places) {
    const fs::path folder = shared_temp / ("tembrick-" + std::to_string(::getuid()));
    // The mode asked for passes through the umask: set it again on a folder
    // this call made.
    if (::mkdir(folder.c_str(), 0700) == 0) ::chmod(folder.c_str(), 0700);
    fs::path path = folder / name_of(data_folder);
    if (!private_folder(folder)) {
        places.problem = folder.string() + " is not a folder of this user's alone";
    } else if (!fits(path)) {
        places.problem = path.string() + " is too long for a socket";
    } else {
        places.paths.push_back(std::move(path));
    }
}

}  // namespace

SocketPlaces socket_places(const fs::path& data_folder, const SocketRoots& roots) {
    SocketPlaces places;
    if (!roots.runtime_folder.empty() && private_folder(roots.runtime_folder)) {
        fs::path path = fs::path(roots.runtime_folder) / name_of(data_folder);
        if (fits(path)) places.paths.push_back(std::move(path));
    }
    fs::path in_data = data_folder / "tembrick.socket";
    if (fits(in_data) && ::access(data_folder.c_str(), W_OK | X_OK) == 0)
        places.paths.push_back(std::move(in_data));
    if (places.paths.empty()) add_shared_temp(data_folder, roots.shared_temp, places);
    return places;
}

std::vector<fs::path> places_to_ask(const fs::path& data_folder, const SocketRoots& roots) {
    std::vector<fs::path> paths = socket_places(data_folder, roots).paths;
    if (roots.runtime_folder.empty() && !roots.usual_runtime_folder.empty()) {
        SocketRoots usual = roots;
        usual.runtime_folder = roots.usual_runtime_folder;
        for (fs::path& path : socket_places(data_folder, usual).paths) {
            if (std::find(paths.begin(), paths.end(), path) == paths.end())
                paths.push_back(std::move(path));
        }
    }
    return paths;
}

SocketRoots socket_roots() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return {runtime ? runtime : "", "/tmp", "/run/user/" + std::to_string(::getuid())};
}

}  // namespace platform
