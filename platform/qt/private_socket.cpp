#include "platform/qt/private_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace platform {

namespace {

using steady = std::chrono::steady_clock;

// False where the path does not fit an address.
bool address_of(const std::filesystem::path& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    const std::string& bytes = path.native();
    // A leading zero byte would name the abstract namespace.
    if (bytes.empty() || bytes[0] == '\0' || bytes.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, bytes.data(), bytes.size());
    return true;
}

class Descriptor final {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// The byte `fd` gives by `until`; none when it ends first.
std::optional<char> answer_on(int fd, steady::time_point until) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - steady::now()).count();
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, int(std::max<long long>(left, 0)));
        if (polled < 0 && errno == EINTR) continue;
        if (polled != 1) return std::nullopt;
        char answer = 0;
        const ssize_t got = ::recv(fd, &answer, 1, 0);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got != 1) return std::nullopt;
        return answer;
    }
}

}  // namespace

int listen_at(const std::filesystem::path& path, std::string& problem) {
    sockaddr_un address;
    if (!address_of(path, address)) {
        problem = path.string() + " is too long for a socket";
        return -1;
    }
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    struct stat left {};
    if (::lstat(path.c_str(), &left) == 0 && S_ISSOCK(left.st_mode)) ::unlink(path.c_str());
    // Connections are refused until `listen`, so the mode is set before
    // anyone can be let in.
    if (fd.get() < 0 ||
        ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(path.c_str(), 0600) != 0 || ::listen(fd.get(), SOMAXCONN) != 0) {
        problem = path.string() + ": " + std::strerror(errno);
        return -1;
    }
    return fd.release();
}

bool peer_is_user(int fd, uid_t user) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer &&
           peer.uid == user;
}

Asked ask(const std::filesystem::path& path, char request, uid_t user, steady::time_point until) {
    sockaddr_un address;
    if (!address_of(path, address)) return {};
    const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0 ||
        ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        !peer_is_user(fd.get(), user) || ::send(fd.get(), &request, 1, MSG_NOSIGNAL) != 1)
        return {};
    return {true, answer_on(fd.get(), until)};
}

}  // namespace platform
