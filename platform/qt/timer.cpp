#include "platform/timer.h"

#include <QTimer>

namespace platform {

namespace {

class QtTimer final : public Timer {
public:
    QtTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick.raise(*this); });
    }

    void start(int interval_ms) override { timer_.start(interval_ms); }
    void stop() override { timer_.stop(); }
    bool is_running() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<Timer> Timer::create() { return std::make_unique<QtTimer>(); }

Task<> delay(int interval_ms) {
    TaskSource<> source;
    QTimer::singleShot(interval_ms, [source]() mutable { source.set_done(); });
    return source.task();
}

}  // namespace platform
