#include "platform/qt/running_copy.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <filesystem>
#include <iostream>

#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

// How long a later start waits for the first copy to take its request.
constexpr int request_wait_ms = 2000;

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
    data_lock_ = FolderLock::of_data_folder(folder);
    another_runs_ = data_lock_->outcome() == FolderLock::Outcome::busy;
    std::error_code error;
    if (data_lock_->outcome() == FolderLock::Outcome::refused &&
        std::filesystem::is_directory(folder, error))
        std::cerr << "tembrick: the file system of " << folder.string()
                  << " takes no lock: a second copy on it would run beside this one" << std::endl;
}

RunningCopy::~RunningCopy() { server_.reset(); }

void RunningCopy::ask_other_to_come_forward() const {
    QLocalSocket socket;
    socket.connectToServer(socket_name_);
    if (!socket.waitForConnected(request_wait_ms)) return;
    socket.write("1", 1);
    socket.waitForBytesWritten(request_wait_ms);
    socket.disconnectFromServer();
}

void RunningCopy::serve(std::function<void()> come_forward) {
    if (!data_lock_ || data_lock_->outcome() != FolderLock::Outcome::held) return;
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
    if (temp_folder.empty() || temp_lock_) return true;
    // Beside the folder, which is emptied whole.
    FolderLock taken = FolderLock::of_file(to_qstring(temp_folder).toStdString() + ".lock");
    const bool busy = taken.outcome() == FolderLock::Outcome::busy;
    if (taken.outcome() == FolderLock::Outcome::held) temp_lock_ = std::move(taken);
    return !busy;
}

}  // namespace platform
