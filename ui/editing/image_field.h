// The rules of an image field: which files it offers, which it refuses, and
// how its width reads. UI thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

// The first size refused: 350 KB.
inline constexpr double refused_image_bytes = 358400;

// ".bmp", ".jpg", ".gif" and ".png", offered in any letter case.
std::vector<std::wstring> image_file_extensions();
// A file that cannot be measured counts as 0 bytes and is not too large.
bool is_image_file_too_large(const std::wstring& path);
// Whether the file starts as a PNG, JPEG, GIF or BMP picture does, whatever
// its name: the pictures the document's page is served.
bool is_shown_image_file(const std::wstring& path);
// The width as the page renders it: held to 0-100, a fraction cut, not
// rounded (55.7 gives "55%"), no number as "0%".
std::wstring image_width_text(double percent);

}  // namespace ui
