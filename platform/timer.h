// Timers of the UI thread's event loop.
#pragma once

#include <memory>

#include "platform/event.h"
#include "platform/task.h"

namespace platform {

// Ticks once, `interval_ms` after `start`; starting it again restarts the
// wait. UI thread only.
class Timer {
public:
    static std::unique_ptr<Timer> create();
    virtual ~Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    virtual void start(int interval_ms) = 0;
    virtual void stop() = 0;
    virtual bool is_running() const = 0;
    // Stops the wait and ticks now (tests).
    void tick_now() {
        stop();
        tick.raise(*this);
    }

    Event<Timer> tick;

protected:
    Timer() = default;
};

// Completes on the UI thread after about `interval_ms`.
Task<> delay(int interval_ms);

}  // namespace platform
