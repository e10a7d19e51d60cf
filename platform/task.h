// Coroutines of the UI thread.
//
// `Task<T>` and `FireAndForget` are eager: calling the coroutine runs its body
// at once, synchronously, up to its first suspension. A coroutine waiting for
// a task that has not finished is resumed by a function posted to the UI
// thread (`post`), never from inside the code that completed the task, so a
// resumption never runs inside a signal emission or an event handler.
// A `Task` may be awaited once; its result or exception is kept until then.
// An exception that leaves a `FireAndForget` goes to `report_failure`.
//
// `TaskSource<T>` completes a task from a callback (a script result, a
// dialog's answer).
#pragma once

#include <coroutine>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "platform/dispatcher.h"
#include "platform/failure.h"

namespace platform {

namespace detail {

template <class T>
struct task_state {
    using stored = std::conditional_t<std::is_void_v<T>, std::monostate, T>;

    std::optional<stored> value;
    std::exception_ptr error;
    bool done = false;
    std::coroutine_handle<> waiter;

    void complete() {
        done = true;
        if (waiter) {
            auto resume = std::exchange(waiter, {});
            post([resume] { resume.resume(); });
        }
    }
};

template <class T>
class task_promise_common;
template <class T>
class task_promise_base;

}  // namespace detail

template <class T = void>
class Task {
public:
    using promise_type = detail::task_promise_base<T>;

    bool done() const { return state_ && state_->done; }

    bool await_ready() const noexcept { return state_->done; }
    void await_suspend(std::coroutine_handle<> waiter) noexcept { state_->waiter = waiter; }
    T await_resume() { return take(); }

    // The result of a finished task; rethrows its exception.
    T take() {
        if (!done()) throw std::logic_error("the task has not finished");
        if (state_->error) std::rethrow_exception(state_->error);
        if constexpr (!std::is_void_v<T>) return std::move(*state_->value);
    }

private:
    template <class>
    friend class detail::task_promise_common;
    template <class>
    friend class TaskSource;

    explicit Task(std::shared_ptr<detail::task_state<T>> state) : state_(std::move(state)) {}

    std::shared_ptr<detail::task_state<T>> state_;
};

namespace detail {

template <class T>
class task_promise_common {
public:
    Task<T> get_return_object() { return Task<T>(state_); }
    std::suspend_never initial_suspend() noexcept { return {}; }
    std::suspend_never final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept {
        state_->error = std::current_exception();
        state_->complete();
    }

protected:
    std::shared_ptr<task_state<T>> state_ = std::make_shared<task_state<T>>();
};

template <class T>
class task_promise_base : public task_promise_common<T> {
public:
    void return_value(T value) {
        this->state_->value.emplace(std::move(value));
        this->state_->complete();
    }
};

template <>
class task_promise_base<void> : public task_promise_common<void> {
public:
    void return_void() {
        this->state_->value.emplace();
        this->state_->complete();
    }
};

}  // namespace detail

template <class T = void>
class TaskSource {
public:
    Task<T> task() const { return Task<T>(state_); }
    bool done() const { return state_->done; }

    template <class U = T>
    requires(!std::is_void_v<U>) void set_value(U value) {
        if (state_->done) return;
        state_->value.emplace(std::move(value));
        state_->complete();
    }
    void set_done() requires std::is_void_v<T> {
        if (state_->done) return;
        state_->value.emplace();
        state_->complete();
    }
    void set_error(std::exception_ptr error) {
        if (state_->done) return;
        state_->error = std::move(error);
        state_->complete();
    }

private:
    std::shared_ptr<detail::task_state<T>> state_ = std::make_shared<detail::task_state<T>>();
};

struct FireAndForget {
    struct promise_type {
        FireAndForget get_return_object() noexcept { return {}; }
        std::suspend_never initial_suspend() noexcept { return {}; }
        std::suspend_never final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { report_failure(); }
    };
};

}  // namespace platform
