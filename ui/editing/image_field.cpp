#include "ui/editing/image_field.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "core/file_paths.h"
#include "core/library_folders.h"
#include "engine/text/number_text.h"

namespace ui {

std::vector<std::wstring> image_file_extensions() { return {L".bmp", L".jpg", L".gif", L".png"}; }

bool is_image_file_too_large(const std::wstring& path) {
    return core::file_size_of(path) >= refused_image_bytes;
}

bool is_shown_image_file(const std::wstring& path) {
    const std::filesystem::path file = core::fs_path(path);
    std::error_code error;
    // Not a pipe or a device: opening one could wait for ever.
    if (!std::filesystem::is_regular_file(file, error)) return false;
    std::ifstream in(file, std::ios::binary);
    char bytes[18] = {};
    in.read(bytes, sizeof bytes);
    const std::string_view head(bytes, std::size_t(in.gcount()));
    if (head.starts_with("\x89PNG\r\n\x1a\n") || head.starts_with("\xFF\xD8\xFF") ||
        head.starts_with("GIF87a") || head.starts_with("GIF89a"))
        return true;
    // "BM" alone starts too many texts: the size of the header after the
    // file header must be one a bitmap has.
    if (head.size() < 18 || !head.starts_with("BM")) return false;
    std::uint32_t header = 0;
    for (int i = 3; i >= 0; --i) header = header << 8 | std::uint8_t(head[14 + std::size_t(i)]);
    for (std::uint32_t size : {12u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        if (header == size) return true;
    }
    return false;
}

std::wstring image_width_text(double percent) {
    const double shown = std::isnan(percent) ? 0 : std::trunc(std::clamp(percent, 0.0, 100.0));
    return engine::format_int(std::int64_t(shown)) + L"%";
}

}  // namespace ui
