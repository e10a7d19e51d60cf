// One running copy of the program per data folder: two copies writing back
// the same documents would each overwrite the other's typing.
//
// The first copy holds the data folder's lock (see FolderLock) and listens
// on a local socket named from the folder's path. A later start on the same
// folder finds the lock held, asks the first copy through the socket to
// bring its window to the front, and ends. Keyed on the folder, not on the
// user: copies with data folders of their own run side by side. UI thread
// only.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/data_folder_lock.h"

namespace platform {

class RunningCopy final {
public:
    // Takes the lock of `data_folder`. Without a data folder, or where no
    // lock can be made there (a read-only folder, a file system without
    // locks), this copy runs as if it were the only one.
    explicit RunningCopy(const std::wstring& data_folder);
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    // Another copy holds the data folder.
    bool another_runs() const { return another_runs_; }
    // Asks that copy to bring its window to the front; waits a moment for
    // the request to be taken, never fails.
    void ask_other_to_come_forward() const;
    // Calls `come_forward` from the event loop at each later start on the
    // data folder. Starts listening at once: a start while the window is
    // still being built is answered once the loop runs.
    void serve(std::function<void()> come_forward);
    // Takes the lock of `temp_folder`; false when another copy holds it
    // (its data folder is another, its cache the same), which must not find
    // its temporary files emptied by this one.
    bool own_temp_folder(const std::wstring& temp_folder);

private:
    QString socket_name_;
    std::optional<FolderLock> data_lock_;
    std::optional<FolderLock> temp_lock_;
    bool another_runs_ = false;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> come_forward_;
};

}  // namespace platform
