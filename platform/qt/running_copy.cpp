#include "platform/qt/running_copy.h"

#include <unistd.h>

#include <QLocalSocket>
#include <QTimer>
#include <filesystem>
#include <iostream>
#include <thread>

#include "platform/qt/private_socket.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

using steady = std::chrono::steady_clock;

constexpr char come_forward_request = 'f';
constexpr char came_forward = 'y';
constexpr char ending = 'n';

// How long a connection may stay open without its request, and how many may
// be open at once: a flood of idle connections holds no more than these.
constexpr int request_wait_ms = 2000;
constexpr int most_open_requests = 32;

// Between two tries of a start that found no one to answer yet.
constexpr auto retry_pause = std::chrono::milliseconds(50);

}  // namespace

RunningCopy::RunningCopy(const std::wstring& data_folder, SocketRoots roots)
    : roots_(std::move(roots)) {
    if (data_folder.empty()) return;
    folder_ = to_qstring(data_folder).toStdString();
    data_lock_ = FolderLock::of_data_folder(folder_);
    another_runs_ = data_lock_->outcome() == FolderLock::Outcome::busy;
    std::error_code error;
    if (data_lock_->outcome() == FolderLock::Outcome::refused &&
        std::filesystem::is_directory(folder_, error))
        std::cerr << "tembrick: the file system of " << folder_.string()
                  << " takes no lock: a second copy on it would run beside this one" << std::endl;
}

RunningCopy::~RunningCopy() {
    server_.reset();
    if (!place_.empty()) remove_socket_place(place_, roots_);
}

RunningCopy::HandOver RunningCopy::hand_over(std::chrono::milliseconds bound) {
    const steady::time_point until = steady::now() + bound;
    bool reached = false;
    for (;;) {
        // Looked for at every try: the record and the folder of last resort
        // are read anew.
        for (const std::filesystem::path& place : places_to_ask(folder_, roots_)) {
            const Asked asked = ask(place, come_forward_request, roots_.user, until);
            if (asked.answer == came_forward) return HandOver::taken;
            reached = reached || asked.reached;
        }
        // Not listening yet, closing, or gone: gone, its folder is this copy's.
        FolderLock again = FolderLock::of_data_folder(folder_);
        if (again.outcome() != FolderLock::Outcome::busy) {
            data_lock_ = std::move(again);
            another_runs_ = false;
            return HandOver::folder_free;
        }
        if (steady::now() + retry_pause >= until)
            return reached ? HandOver::not_answering : HandOver::unreachable;
        std::this_thread::sleep_for(retry_pause);
    }
}

std::optional<int> RunningCopy::holder() const { return data_folder_holder(folder_); }

void RunningCopy::serve(std::function<bool()> come_forward) {
    if (!data_lock_ || data_lock_->outcome() != FolderLock::Outcome::held) return;
    come_forward_ = std::move(come_forward);
    const SocketPlaces places = socket_places(folder_, roots_);
    std::string problem = places.problem;
    bool listening = false;
    for (const std::filesystem::path& place : places.paths) {
        if ((listening = listen(place, problem))) break;
    }
    // No place a later start finds by its name: one that the record alone
    // names.
    std::optional<std::filesystem::path> fresh;
    if (!listening && (fresh = fresh_socket_place(folder_, roots_, problem)))
        listening = listen(*fresh, problem);
    if (listening && !record_socket_place(folder_, roots_, place_) && fresh) {
        problem = "where it listens cannot be kept in " + roots_.record_folder.string();
        listening = false;
    }
    if (!listening) {
        server_.reset();
        if (fresh) remove_socket_place(*fresh, roots_);
        place_.clear();
        std::cerr << "tembrick: later starts cannot reach this copy and will not bring it "
                     "forward: "
                  << problem << std::endl;
        return;
    }
    server_->setMaxPendingConnections(most_open_requests);
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { take_connections(*server_); });
}

bool RunningCopy::listen(const std::filesystem::path& place, std::string& problem) {
    const int fd = listen_at(place, problem);
    if (fd < 0) return false;
    server_ = std::make_unique<QLocalServer>();
    if (!server_->listen(fd)) {
        ::close(fd);
        server_.reset();
        problem = place.string() + ": the socket was not taken";
        return false;
    }
    place_ = place;
    return true;
}

void RunningCopy::take_connections(QLocalServer& server) {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (open_requests_ >= most_open_requests ||
            !peer_is_user(int(socket->socketDescriptor()), roots_.user)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++open_requests_;
        QObject::connect(socket, &QObject::destroyed, [this] { --open_requests_; });
        QTimer::singleShot(request_wait_ms, socket, [socket] { socket->abort(); });
        // One request a connection: what follows it is not read.
        const auto take = [this, socket, taken = std::make_shared<bool>(false)] {
            if (!*taken) *taken = take_request(socket);
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, take);
        take();
    }
}

bool RunningCopy::take_request(QLocalSocket* socket) {
    char request = 0;
    if (socket->read(&request, 1) != 1) return false;
    if (request == come_forward_request) {
        const char answer = come_forward_ && come_forward_() ? came_forward : ending;
        socket->write(&answer, 1);
        socket->flush();
    }
    socket->disconnectFromServer();
    return true;
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
