#include "platform/qt/running_copy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <cerrno>
#include <filesystem>

#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

// How long a later start waits for the first copy to take its request.
constexpr int request_wait_ms = 2000;

constexpr int lock_busy = -2;

// An open descriptor holding the lock of `path`; lock_busy when another
// process holds it; -1 when none can be made. The file is never removed:
// an unlocked one is free to take. Not inherited by programs this one
// starts, which could otherwise hold it past its end.
int take_lock(const std::filesystem::path& path) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                    0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return -1;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return -1;
    }
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) return fd;
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? lock_busy : -1;
}

// One name per data folder, the same however the folder is reached; the
// socket lives in the system's temporary folder, shared by every user.
QString socket_name_of(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(folder, error);
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray::fromStdString((error ? folder : real).string()), QCryptographicHash::Sha256);
    return QStringLiteral("tembrick-%1-%2")
        .arg(::getuid())
        .arg(QString::fromLatin1(hash.toHex().left(32)));
}

}  // namespace

RunningCopy::RunningCopy(const std::wstring& data_folder) {
    if (data_folder.empty()) return;
    const std::filesystem::path folder(to_qstring(data_folder).toStdString());
    socket_name_ = socket_name_of(folder);
    data_lock_ = take_lock(folder / "tembrick.lock");
    another_runs_ = data_lock_ == lock_busy;
}

RunningCopy::~RunningCopy() {
    server_.reset();
    for (const int fd : {data_lock_, temp_lock_}) {
        if (fd >= 0) ::close(fd);
    }
}

void RunningCopy::ask_other_to_come_forward() const {
    QLocalSocket socket;
    socket.connectToServer(socket_name_);
    if (!socket.waitForConnected(request_wait_ms)) return;
    socket.write("1", 1);
    socket.waitForBytesWritten(request_wait_ms);
    socket.disconnectFromServer();
}

void RunningCopy::serve(std::function<void()> come_forward) {
    if (data_lock_ < 0) return;
    come_forward_ = std::move(come_forward);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket by this name is a killed copy's.
    QLocalServer::removeServer(socket_name_);
    if (!server_->listen(socket_name_)) {
        server_.reset();
        return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
        }
        if (come_forward_) come_forward_();
    });
}

bool RunningCopy::own_temp_folder(const std::wstring& temp_folder) {
    if (temp_folder.empty() || temp_lock_ >= 0) return true;
    // Beside the folder, which is emptied whole.
    const int fd = take_lock(to_qstring(temp_folder).toStdString() + ".lock");
    if (fd >= 0) temp_lock_ = fd;
    return fd != lock_busy;
}

}  // namespace platform
