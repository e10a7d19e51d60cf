#include "core/file_paths.h"

#include "engine/text/utf16.h"

namespace core {

std::filesystem::path fs_path(std::wstring_view text) {
    return std::filesystem::path(engine::to_utf8(text));
}

std::wstring text_of(const std::filesystem::path& path) { return engine::from_utf8(path.native()); }

}  // namespace core
