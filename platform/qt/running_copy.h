// One running copy of the program per data folder: two copies writing back
// the same documents would each overwrite the other's typing.
//
// The first copy holds the data folder's lock (see FolderLock) and listens
// on a local socket named from the folder's path, in a folder only its user
// can reach, and leaves where it listens in the user's record folder (see
// socket_place). A later start on the same folder finds the
// lock held and asks the first copy through the socket to bring its window
// to the front; the first copy answers once it has taken the request, and
// the later start ends. Keyed on the folder, not on the user: copies with
// data folders of their own run side by side. UI thread only.
//
// The request is one byte, `come_forward_request`; the answer one byte,
// `came_forward` or `ending` (the copy is closing: the later start waits for
// the lock to come free and runs itself).
#pragma once

#include <QLocalServer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/data_folder_lock.h"
#include "platform/qt/socket_place.h"

namespace platform {

class RunningCopy final {
public:
    // Takes the lock of `data_folder`. Without a data folder, or where no
    // lock can be made there (a read-only folder, a file system without
    // locks), this copy runs as if it were the only one.
    explicit RunningCopy(const std::wstring& data_folder, SocketRoots roots = socket_roots());
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    // Another copy holds the data folder.
    bool another_runs() const { return another_runs_; }

    enum class HandOver {
        taken,          // the other copy brought its window forward
        not_answering,  // a copy of this user's took the request, no answer within the bound
        unreachable,    // nowhere it may listen did a copy of this user's take the request
        folder_free,    // the other copy ended: this one holds the folder now
    };
    // Asks the copy holding the data folder to bring its window to the
    // front and waits up to `bound` for its answer, trying again while it
    // does not listen yet or is closing.
    HandOver hand_over(std::chrono::milliseconds bound);
    // The process id of the copy holding the data folder, where its lock
    // file gives it and that process is the copy (see data_folder_holder).
    std::optional<int> holder() const;

    // From the event loop, at each later start on the data folder, calls
    // `come_forward`, which answers false when the window is closing.
    // Starts listening at once: a start while the window is still being
    // built is answered once the loop runs. A copy that cannot listen says
    // so on stderr and runs on.
    void serve(std::function<bool()> come_forward);
    // Takes the lock of `temp_folder`; false when another copy holds it
    // (its data folder is another, its cache the same), which must not find
    // its temporary files emptied by this one.
    bool own_temp_folder(const std::wstring& temp_folder);

private:
    // Listens at `place`; false with `problem` set where it cannot.
    bool listen(const std::filesystem::path& place, std::string& problem);
    void take_connections(QLocalServer& server);
    // Answers whether the request was there to take.
    bool take_request(class QLocalSocket* socket);

    std::filesystem::path folder_;
    SocketRoots roots_;
    // Where this copy listens; empty while it does not.
    std::filesystem::path place_;
    std::optional<FolderLock> data_lock_;
    std::optional<FolderLock> temp_lock_;
    bool another_runs_ = false;
    std::unique_ptr<QLocalServer> server_;
    int open_requests_ = 0;
    std::function<bool()> come_forward_;
};

}  // namespace platform
