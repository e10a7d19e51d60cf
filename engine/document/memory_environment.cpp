#include "engine/document/memory_environment.h"

namespace engine {

std::optional<std::string> memory_environment::file(const std::wstring& path) const {
    auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second;
}

std::optional<std::uintmax_t> memory_environment::file_size(const std::wstring& path) const {
    auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second.size();
}

std::optional<std::string> memory_environment::read_file(const std::wstring& path,
                                                         std::uintmax_t limit) const {
    auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second.substr(0,
                                std::size_t(std::min<std::uintmax_t>(limit, found->second.size())));
}

std::error_code memory_environment::replace_file(const std::wstring& path,
                                                 std::string_view bytes) const {
    if (path.empty()) return std::make_error_code(std::errc::no_such_file_or_directory);
    files_[path] = std::string(bytes);
    return {};
}

}  // namespace engine
