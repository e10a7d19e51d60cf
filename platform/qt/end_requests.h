// Ends of the program that come from outside its window, each handled on
// the UI thread: the termination signals SIGTERM, SIGHUP and SIGINT (a
// signal's handler only writes a byte into a socket whose other end the
// event loop watches), the session manager at logout, and the process
// ending from inside the event loop (exit), as it does when the X display
// is lost.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <functional>
#include <memory>

namespace platform {

struct EndHandlers {
    // A termination signal: close without asking.
    std::function<void()> signalled;
    // The session manager asks the program to save its data at logout.
    std::function<void()> logout;
    // The event loop ends while the window is still open.
    std::function<void()> loop_ending;
    // The process ends from inside the event loop; called on the UI thread
    // only, once.
    std::function<void()> sudden_exit;
};

class EndRequests final {
public:
    // Call with the application object made and the window built; the
    // handlers must outlive this object.
    explicit EndRequests(EndHandlers handlers);
    ~EndRequests();
    EndRequests(const EndRequests&) = delete;
    EndRequests& operator=(const EndRequests&) = delete;

private:
    void watch_signals();
    void take_signals();

    EndHandlers handlers_;
    int socket_[2] = {-1, -1};  // read end, write end
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QObject> connections_;
    struct sigaction kept_[3] = {};
    bool installed_[3] = {};
};

}  // namespace platform
