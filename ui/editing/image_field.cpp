#include "ui/editing/image_field.h"

#include <algorithm>
#include <cmath>

#include "core/library_folders.h"
#include "engine/text/number_text.h"

namespace ui {

std::vector<std::wstring> image_file_extensions() { return {L".bmp", L".jpg", L".gif", L".png"}; }

bool is_image_file_too_large(const std::wstring& path) {
    return core::file_size_of(path) >= refused_image_bytes;
}

std::wstring image_width_text(double percent) {
    const double shown = std::isnan(percent) ? 0 : std::trunc(std::clamp(percent, 0.0, 100.0));
    return engine::format_int(std::int64_t(shown)) + L"%";
}

}  // namespace ui
