// Hands the print view to one run at a time, in the order the runs asked:
// the web engine never answers a second print to PDF asked for while one
// is being made, so a print pressed during a preview would wait for ever.
// A turn ends when its `Turn` is destroyed, however its run left. UI thread
// only; the turns may go first: the runs still waiting then resume, to find
// their owner gone, and a `Turn` outliving them does nothing.
#pragma once

#include <deque>
#include <memory>

#include "platform/task.h"

namespace ui {

class PrintViewTurns final {
    struct Queue {
        bool taken = false;
        std::deque<platform::TaskSource<>> waiting;
    };

public:
    class Turn final {
    public:
        explicit Turn(std::weak_ptr<Queue> queue) : queue_(std::move(queue)) {}
        Turn(Turn&& other) noexcept : queue_(std::move(other.queue_)) { other.queue_.reset(); }
        Turn& operator=(Turn&&) = delete;
        ~Turn();

    private:
        std::weak_ptr<Queue> queue_;
    };

    PrintViewTurns() = default;
    PrintViewTurns(const PrintViewTurns&) = delete;
    PrintViewTurns& operator=(const PrintViewTurns&) = delete;
    ~PrintViewTurns();

    // Completes once every run that asked earlier has ended its turn.
    platform::Task<Turn> next();

private:
    std::shared_ptr<Queue> queue_ = std::make_shared<Queue>();
};

}  // namespace ui
