// Waiting on the real web engine: its work arrives through the event loop.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>
#include <string>

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

inline std::wstring run_script(platform::WebView& view, const std::wstring& script) {
    auto task = view.execute_script_async(script);
    if (!wait_until([&] { return task.done(); })) return L"<no answer>";
    return task.take();
}

}  // namespace app_test
