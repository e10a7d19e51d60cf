#include "ui/output/print_view_turns.h"

namespace ui {

PrintViewTurns::Turn::~Turn() {
    const auto queue = queue_.lock();
    if (!queue) return;
    if (queue->waiting.empty()) {
        queue->taken = false;
        return;
    }
    // The view passes straight to the next run, which resumes on a later turn
    // of the event loop.
    platform::TaskSource<> next = std::move(queue->waiting.front());
    queue->waiting.pop_front();
    next.set_done();
}

PrintViewTurns::~PrintViewTurns() {
    for (platform::TaskSource<>& waiting : queue_->waiting) waiting.set_done();
}

platform::Task<PrintViewTurns::Turn> PrintViewTurns::next() {
    const std::weak_ptr<Queue> queue = queue_;
    if (queue_->taken) {
        platform::TaskSource<> turn;
        queue_->waiting.push_back(turn);
        co_await turn.task();
    }
    if (const auto still = queue.lock()) still->taken = true;
    co_return Turn(queue);
}

}  // namespace ui
