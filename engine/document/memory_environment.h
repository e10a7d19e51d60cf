// An environment whose files are texts in memory and whose clock stands
// still, for tests: a document read from here and saved back never touches
// the disk. One thread at a time.
#pragma once

#include <map>
#include <string>

#include "engine/document/environment.h"

namespace engine {

class memory_environment final : public environment {
public:
    explicit memory_environment(std::int64_t now = 0) : now_(now) {}

    // Creates or replaces a file.
    void put_file(const std::wstring& path, std::string bytes) { files_[path] = std::move(bytes); }
    // The file's bytes; nothing when there is no such file.
    std::optional<std::string> file(const std::wstring& path) const;
    void set_now(std::int64_t now) { now_ = now; }

    std::optional<std::uintmax_t> file_size(const std::wstring& path) const override;
    std::optional<std::string> read_file(const std::wstring& path,
                                         std::uintmax_t limit) const override;
    std::error_code replace_file(const std::wstring& path, std::string_view bytes) const override;
    std::int64_t now() const override { return now_; }

private:
    // The files change as the disk's do, under an environment that stays the same.
    mutable std::map<std::wstring, std::string> files_;
    std::int64_t now_ = 0;
};

}  // namespace engine
