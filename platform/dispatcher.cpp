#include "platform/dispatcher.h"

#include <deque>
#include <utility>

#include "platform/failure.h"

namespace platform {

namespace {

Poster& poster() {
    static Poster current;
    return current;
}

std::deque<std::function<void()>>& queue() {
    static std::deque<std::function<void()>> waiting;
    return waiting;
}

void run_guarded(const std::function<void()>& work) noexcept {
    try {
        work();
    } catch (...) {
        report_failure();
    }
}

}  // namespace

void post(std::function<void()> work) {
    auto guarded = [work = std::move(work)] { run_guarded(work); };
    if (poster()) {
        poster()(std::move(guarded));
    } else {
        queue().push_back(std::move(guarded));
    }
}

Poster set_poster(Poster next) { return std::exchange(poster(), std::move(next)); }

std::size_t run_posted() {
    std::size_t ran = 0;
    while (!queue().empty()) {
        auto work = std::move(queue().front());
        queue().pop_front();
        work();
        ++ran;
    }
    return ran;
}

}  // namespace platform
