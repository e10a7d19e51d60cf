#include "platform/qt/shown_message.h"

#include <unistd.h>

#include <QLocalSocket>
#include <QTimer>
#include <chrono>

#include "platform/qt/private_socket.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/socket_place.h"

namespace platform {

namespace {

constexpr char come_forward_request = 'f';
constexpr char came_forward = 'y';

// A start showing the message answers from an idle event loop at once.
constexpr std::chrono::seconds answer_wait(3);
// How long a connection may stay open without its request.
constexpr int request_wait_ms = 2000;

std::filesystem::path message_place(std::filesystem::path socket) {
    return socket.concat(".message");
}

}  // namespace

void bring_forward(QWidget& widget) {
    widget.setWindowState(widget.windowState() & ~Qt::WindowMinimized);
    widget.show();
    widget.raise();
    widget.activateWindow();
}

ShownMessage::ShownMessage(const std::wstring& data_folder)
    : folder_(to_qstring(data_folder).toStdString()) {}

ShownMessage::~ShownMessage() { server_.reset(); }

bool ShownMessage::brought_forward_elsewhere() const {
    if (folder_.empty()) return false;
    const auto until = std::chrono::steady_clock::now() + answer_wait;
    const SocketRoots roots = socket_roots();
    for (const std::filesystem::path& place : places_to_ask(folder_, roots)) {
        if (ask(message_place(place), come_forward_request, roots.user, until).answer ==
            came_forward)
            return true;
    }
    return false;
}

void ShownMessage::serve(QWidget& box) {
    if (folder_.empty()) return;
    box_ = &box;
    std::string problem;
    // Beside wherever a later start looks for the running copy.
    for (const std::filesystem::path& place : places_to_ask(folder_, socket_roots())) {
        const int fd = listen_at(message_place(place), problem);
        if (fd < 0) continue;
        server_ = std::make_unique<QLocalServer>();
        if (server_->listen(fd)) break;
        ::close(fd);
        server_.reset();
    }
    if (!server_) return;
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!peer_is_user(int(socket->socketDescriptor()), ::getuid())) {
                socket->abort();
                continue;
            }
            QTimer::singleShot(request_wait_ms, socket, [socket] { socket->abort(); });
            const auto take = [this, socket] {
                char request = 0;
                if (socket->read(&request, 1) != 1) return;
                if (request == come_forward_request && box_) {
                    bring_forward(*box_);
                    socket->write(&came_forward, 1);
                    socket->flush();
                }
                socket->disconnectFromServer();
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, take);
            take();
        }
    });
}

}  // namespace platform
