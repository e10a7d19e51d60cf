// Waiting on the real web engine: its work arrives through the event loop.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/task.h"
#include "platform/web_view.h"

namespace app_test {

inline bool wait_until(const std::function<bool()>& done, int milliseconds = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// The same wait for code inside an event's handler (a hook), where a loop
// spun by `wait_until` now and then got no answer from the view until the
// handler returned. This spins none: it completes on a turn of the running
// loop, true once `done` holds, false after `milliseconds`.
inline platform::Task<bool> when(std::function<bool()> done, int milliseconds = 90000) {
    platform::TaskSource<bool> source;
    auto* timer = new QTimer(QCoreApplication::instance());
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, timer, [=]() mutable {
        const bool met = done();
        if (!met && !clock.hasExpired(milliseconds)) return;
        timer->stop();
        timer->deleteLater();
        source.set_value(met);
    });
    timer->start(20);
    return source.task();
}

inline std::wstring run_script(platform::WebView& view, const std::wstring& script) {
    auto task = view.execute_script_async(script);
    if (!wait_until([&] { return task.done(); })) return L"<no answer>";
    return task.take();
}

}  // namespace app_test
