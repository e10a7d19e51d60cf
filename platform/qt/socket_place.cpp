#include "platform/qt/socket_place.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

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

// The longest record read: a socket path and its line break.
constexpr std::size_t longest_record = longest_socket_path + 1;

// The folder itself, not a link, `user`'s, and closed to everyone else.
bool private_folder(const fs::path& folder, uid_t user) {
    struct stat found {};
    return ::lstat(folder.c_str(), &found) == 0 && S_ISDIR(found.st_mode) && found.st_uid == user &&
           (found.st_mode & 07777) == 0700;
}

// A folder of `user`'s alone at `folder`, made with mode 0700 where there
// is none yet: the mode asked for passes through the umask, so it is set
// again on a folder this call made.
bool made_private(const fs::path& folder, uid_t user) {
    if (::mkdir(folder.c_str(), 0700) == 0) ::chmod(folder.c_str(), 0700);
    return private_folder(folder, user);
}

std::string shared_name(const SocketRoots& roots) {
    return "tembrick-" + std::to_string(roots.user);
}

// A folder `fresh_socket_place` made, still this user's alone.
bool in_fresh_folder(const fs::path& socket, const SocketRoots& roots) {
    const fs::path folder = socket.parent_path();
    return folder.parent_path() == roots.shared_temp &&
           folder.filename().string().starts_with(shared_name(roots) + "-") &&
           private_folder(folder, roots.user);
}

void remove_socket(const fs::path& path) {
    struct stat left {};
    if (::lstat(path.c_str(), &left) == 0 && S_ISSOCK(left.st_mode)) ::unlink(path.c_str());
}

bool record_folder_ready(const SocketRoots& roots) {
    if (roots.record_folder.empty()) return false;
    std::error_code error;
    fs::create_directories(roots.record_folder.parent_path(), error);
    return made_private(roots.record_folder, roots.user);
}

fs::path record_of(const fs::path& data_folder, const SocketRoots& roots) {
    return roots.record_folder / name_of(data_folder);
}

std::optional<fs::path> recorded_place(const fs::path& data_folder, const SocketRoots& roots) {
    if (roots.record_folder.empty() || !private_folder(roots.record_folder, roots.user))
        return std::nullopt;
    const int fd = ::open(record_of(data_folder, roots).c_str(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string text(longest_record + 1, '\0');
    const ssize_t got = ::read(fd, text.data(), text.size());
    ::close(fd);
    if (got <= 0 || std::size_t(got) > longest_record || text[std::size_t(got) - 1] != '\n')
        return std::nullopt;
    fs::path place = text.substr(0, std::size_t(got) - 1);
    if (!place.is_absolute()) return std::nullopt;
    return place;
}

bool fits(const fs::path& path) { return path.native().size() <= longest_socket_path; }

void add_shared_temp(const fs::path& data_folder, const SocketRoots& roots, SocketPlaces& places) {
    const fs::path folder = roots.shared_temp / shared_name(roots);
    fs::path path = folder / name_of(data_folder);
    if (!made_private(folder, roots.user)) {
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
    if (!roots.runtime_folder.empty() && private_folder(roots.runtime_folder, roots.user)) {
        fs::path path = fs::path(roots.runtime_folder) / name_of(data_folder);
        if (fits(path)) places.paths.push_back(std::move(path));
    }
    fs::path in_data = data_folder / "tembrick.socket";
    if (fits(in_data) && ::access(data_folder.c_str(), W_OK | X_OK) == 0)
        places.paths.push_back(std::move(in_data));
    if (places.paths.empty()) add_shared_temp(data_folder, roots, places);
    return places;
}

std::optional<fs::path> fresh_socket_place(const fs::path& data_folder, const SocketRoots& roots,
                                           std::string& problem) {
    if (!record_folder_ready(roots)) {
        problem += "; no folder of this user's alone keeps where a fresh one would be";
        return std::nullopt;
    }
    std::string folder = (roots.shared_temp / (shared_name(roots) + "-XXXXXX")).string();
    if (!::mkdtemp(folder.data())) {
        problem += "; " + folder + ": " + std::strerror(errno);
        return std::nullopt;
    }
    fs::path path = fs::path(folder) / name_of(data_folder);
    if (fits(path)) return path;
    problem += "; " + path.string() + " is too long for a socket";
    ::rmdir(folder.c_str());
    return std::nullopt;
}

bool record_socket_place(const fs::path& data_folder, const SocketRoots& roots,
                         const fs::path& socket) {
    if (!record_folder_ready(roots)) return false;
    const std::optional<fs::path> before = recorded_place(data_folder, roots);
    const fs::path record = record_of(data_folder, roots);
    // Whole or not at all: written aside, then renamed over the record.
    const fs::path aside = record.string() + "." + std::to_string(::getpid());
    const int fd =
        ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string text = socket.string() + '\n';
    const bool written = ::write(fd, text.data(), text.size()) == ssize_t(text.size());
    if (::close(fd) != 0 || !written || ::rename(aside.c_str(), record.c_str()) != 0) {
        ::unlink(aside.c_str());
        return false;
    }
    // This copy holds the data folder: the one before it has ended.
    if (before && *before != socket) remove_socket_place(*before, roots);
    return true;
}

void remove_socket_place(const fs::path& socket, const SocketRoots& roots) {
    remove_socket(socket);
    if (!in_fresh_folder(socket, roots)) return;
    // With the sockets listened at beside this one (a start's message).
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(socket.parent_path(), error))
        remove_socket(entry.path());
    ::rmdir(socket.parent_path().c_str());
}

std::vector<fs::path> places_to_ask(const fs::path& data_folder, const SocketRoots& roots) {
    std::vector<fs::path> paths;
    if (std::optional<fs::path> recorded = recorded_place(data_folder, roots))
        paths.push_back(std::move(*recorded));
    for (fs::path& path : socket_places(data_folder, roots).paths) {
        if (std::find(paths.begin(), paths.end(), path) == paths.end())
            paths.push_back(std::move(path));
    }
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
    // The cache folder: every start of the user's reads the same one, and
    // it is the user's own where the data folder is read-only or the
    // runtime folder another terminal's.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return {
        .runtime_folder = runtime ? runtime : "",
        .shared_temp = "/tmp",
        .usual_runtime_folder = "/run/user/" + std::to_string(::getuid()),
        .record_folder = cache.isEmpty() ? fs::path() : fs::path(cache.toStdString()) / "sockets"};
}

}  // namespace platform
