// The engine's way to the files and the clock of the machine it runs on.
//
// Every file the engine reads or writes, and every reading of the wall clock,
// goes through an environment, so that a test can hand the engine files and
// a time of its own (`memory_environment`). Paths are the engine's texts. An
// environment holds no state of its own that a call changes: it may be shared
// by documents and used from any thread, and lives as long as they do.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace engine {

class environment {
public:
    // The size of the regular file at `path`; nothing when there is none.
    virtual std::optional<std::uintmax_t> file_size(const std::wstring& path) const = 0;
    // The first `limit` bytes of the regular file at `path`, fewer when it
    // is shorter; nothing when it cannot be read.
    virtual std::optional<std::string> read_file(const std::wstring& path,
                                                 std::uintmax_t limit) const = 0;
    // Puts `bytes` in place of the file at `path` (of the file a link there
    // points to) so that a failure at any step leaves that file as it was.
    // Answers the failure, an empty code on success. A missing file is
    // created.
    virtual std::error_code replace_file(const std::wstring& path,
                                         std::string_view bytes) const = 0;
    // The wall clock: seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t now() const = 0;

protected:
    // Not deleted through this interface: environments are owned as what they are.
    ~environment() = default;
};

// The machine's own files and clock. Saving replaces the file a link points
// to through `replace_file` (file_replace.h).
const environment& system_environment();

}  // namespace engine
