#include "platform/qt/end_requests.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <thread>
#include <utility>

#include "platform/failure.h"

namespace platform {

namespace {

constexpr int end_signals[] = {SIGTERM, SIGHUP, SIGINT};

// The only state a signal's handler reads: lock-free, so safe to read there.
std::atomic<int> signal_socket{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void on_end_signal(int number) {
    const int kept_errno = errno;
    const int socket = signal_socket.load(std::memory_order_relaxed);
    if (socket >= 0) {
        const char byte = char(number);
        // A full socket already holds a request: losing this one is fine.
        [[maybe_unused]] const ssize_t written = ::write(socket, &byte, 1);
    }
    errno = kept_errno;
}

// No exception may leave a handler into the event loop, nor out of exit.
void run_guarded(const std::function<void()>& handler) noexcept {
    try {
        if (handler) handler();
    } catch (...) {
        report_failure();
    }
}

// What runs when the process exits from inside the event loop: set while the
// loop runs, taken by the first exit.
std::function<void()>* sudden_exit = nullptr;
std::thread::id ui_thread;

void run_at_sudden_exit() {
    // Exit from another thread: the UI thread may be in the middle of the
    // very state this would write.
    if (!sudden_exit || std::this_thread::get_id() != ui_thread) return;
    run_guarded(*std::exchange(sudden_exit, nullptr));
}

}  // namespace

EndRequests::EndRequests(EndHandlers handlers)
    : handlers_(std::move(handlers)), connections_(std::make_unique<QObject>()) {
    watch_signals();
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, connections_.get(),
                     [this](QSessionManager&) { run_guarded(handlers_.logout); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, connections_.get(),
                     [this] { run_guarded(handlers_.loop_ending); });
    static const bool registered = std::atexit(run_at_sudden_exit) == 0;
    if (registered) {
        ui_thread = std::this_thread::get_id();
        sudden_exit = &handlers_.sudden_exit;
    }
}

EndRequests::~EndRequests() {
    sudden_exit = nullptr;
    for (std::size_t i = 0; i < std::size(end_signals); ++i) {
        if (installed_[i]) ::sigaction(end_signals[i], &kept_[i], nullptr);
    }
    signal_socket.store(-1);
    notifier_.reset();
    for (const int end : socket_) {
        if (end >= 0) ::close(end);
    }
}

void EndRequests::watch_signals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, socket_) != 0) {
        socket_[0] = socket_[1] = -1;
        return;
    }
    signal_socket.store(socket_[1]);
    notifier_ = std::make_unique<QSocketNotifier>(socket_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { take_signals(); });

    struct sigaction action = {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    // A second signal of the same kind ends the program at once, should the
    // closing hang.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (std::size_t i = 0; i < std::size(end_signals); ++i) {
        struct sigaction before = {};
        if (::sigaction(end_signals[i], nullptr, &before) != 0) continue;
        // Ignored when the program started (nohup, a background job): it
        // stays ignored.
        if (before.sa_handler == SIG_IGN) continue;
        installed_[i] = ::sigaction(end_signals[i], &action, &kept_[i]) == 0;
    }
}

void EndRequests::take_signals() {
    char bytes[16];
    bool any = false;
    while (::read(socket_[0], bytes, sizeof bytes) > 0) any = true;
    if (any) run_guarded(handlers_.signalled);
}

}  // namespace platform
