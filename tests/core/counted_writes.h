// The machine's files for a session, with writes counted and, for a
// read-only library, refused as a read-only mount refuses them (a test that
// runs as root cannot make a folder it cannot write).
#pragma once

#include "engine/document/environment.h"

namespace core_test {

class counted_writes final : public engine::environment {
public:
    std::optional<std::uintmax_t> file_size(const std::wstring& path) const override {
        return engine::system_environment().file_size(path);
    }
    std::optional<std::string> read_file(const std::wstring& path,
                                         std::uintmax_t limit) const override {
        return engine::system_environment().read_file(path, limit);
    }
    std::error_code replace_file(const std::wstring& path, std::string_view bytes) const override {
        ++writes;
        if (read_only) return std::make_error_code(std::errc::read_only_file_system);
        return engine::system_environment().replace_file(path, bytes);
    }
    std::int64_t now() const override { return engine::system_environment().now(); }

    bool read_only = false;
    mutable int writes = 0;
};

}  // namespace core_test
