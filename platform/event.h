// An event of an element: handlers receive the sender and the arguments.
//
// Raising calls every handler present when the raise began, in the order they
// were added; a handler may add or remove handlers. Each call is guarded: an
// exception that leaves a handler goes to `report_failure` and the next
// handler still runs, so no exception reaches the event loop.
// UI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/failure.h"

namespace platform {

struct NoArgs {};

template <class Sender, class Args = NoArgs>
class Event {
public:
    using Handler = std::function<void(Sender&, const Args&)>;
    using Token = std::uint64_t;

    Token add(Handler handler) {
        const Token token = ++last_token_;
        handlers_.emplace_back(token, std::move(handler));
        return token;
    }

    void remove(Token token) {
        std::erase_if(handlers_, [token](const auto& entry) { return entry.first == token; });
    }

    void raise(Sender& sender, const Args& args = {}) const noexcept {
        std::vector<std::pair<Token, Handler>> current;
        try {
            current = handlers_;
        } catch (...) {
            report_failure();
            return;
        }
        for (const auto& [token, handler] : current) {
            try {
                handler(sender, args);
            } catch (...) {
                report_failure();
            }
        }
    }

    bool empty() const { return handlers_.empty(); }

private:
    std::vector<std::pair<Token, Handler>> handlers_;
    Token last_token_ = 0;
};

}  // namespace platform
