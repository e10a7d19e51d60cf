// The machine's files with a clock that stands still, for tests that read real
// files and must not see today's date.
#pragma once

#include <cstdint>

#include "engine/document/environment.h"

namespace fixture {

class pinned_clock final : public engine::environment {
public:
    explicit pinned_clock(std::int64_t now) : now_(now) {}

    std::optional<std::uintmax_t> file_size(const std::wstring& path) const override {
        return engine::system_environment().file_size(path);
    }
    std::optional<std::string> read_file(const std::wstring& path,
                                         std::uintmax_t limit) const override {
        return engine::system_environment().read_file(path, limit);
    }
    std::error_code replace_file(const std::wstring& path, std::string_view bytes) const override {
        return engine::system_environment().replace_file(path, bytes);
    }
    std::int64_t now() const override { return now_; }

private:
    std::int64_t now_;
};

}  // namespace fixture
