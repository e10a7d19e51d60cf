#include "engine/fields/image_field.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "engine/document/document_data.h"
#include "engine/fields/base64.h"
#include "engine/text/html_escape.h"
#include "engine/text/number_text.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"

namespace engine {

namespace {

namespace fs = std::filesystem;

constexpr double pixels_per_mm = 3.779527559055;
constexpr std::int64_t max_pixels = 100000;

fs::path to_path(const std::wstring& text) {
    std::string utf8 = to_utf8(text);
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The document's folder / key.png, for an image whose own file is gone. A key
// that could leave the folder is refused. Joined as the file system joins
// names: no "/" after an empty folder or one that ends in "/".
std::optional<std::wstring> fallback_path(const document_data* data, const std::wstring& key) {
    if (!data || key.empty() || key.find_first_of(L"/\\") != std::wstring::npos ||
        key.find(L"..") != std::wstring::npos)
        return std::nullopt;
    const std::wstring& document_path = data->page_setup.record.s5;
    std::size_t separator = document_path.find_last_of(L"/\\");
    if (separator == std::wstring::npos) return std::nullopt;
    std::wstring path = document_path.substr(0, separator);
    if (!path.empty() && path.back() != L'/') path += L'/';
    // Through UTF-8 and back, as the file system holds the name.
    return from_utf8(to_utf8(path + key + L".png"));
}

std::uint32_t big_endian(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return value;
}

std::uint32_t little_endian(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(b[at + std::size_t(i)]);
    return value;
}

std::wstring mime_type(const std::string& bytes) {
    if (bytes.starts_with("\x89PNG")) return L"image/png";
    if (bytes.starts_with("\xFF\xD8\xFF")) return L"image/jpeg";
    if (bytes.starts_with("GIF8")) return L"image/gif";
    return L"image/bmp";
}

struct pixel_size {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The picture's size from its header by the file's extension; 0 × 0 when the
// header is unreadable.
pixel_size header_size(const environment& env, const std::wstring& path_text,
                       std::uintmax_t file_size) {
    std::size_t dot = path_text.rfind(L'.');
    std::wstring extension =
        dot == std::wstring::npos ? std::wstring() : to_upper(path_text.substr(dot + 1));
    if (file_size <= 54) return {};
    std::optional<std::string> head =
        env.read_file(path_text, extension == L"JPG" ? file_size : 54);
    if (!head) return {};
    const std::string& b = *head;
    if (extension == L"PNG" && b.size() >= 24) return {big_endian(b, 16, 4), big_endian(b, 20, 4)};
    if (extension == L"GIF" && b.size() >= 10 && b.starts_with("GIF"))
        return {little_endian(b, 6, 2), little_endian(b, 8, 2)};
    if (extension == L"BMP" && b.size() >= 26) {
        // A negative height marks a top-down bitmap.
        auto height = static_cast<std::int32_t>(little_endian(b, 22, 4));
        auto width = static_cast<std::int32_t>(little_endian(b, 18, 4));
        return {std::abs(std::int64_t(width)), std::abs(std::int64_t(height))};
    }
    if (extension == L"JPG" && b.size() >= 11 && b.compare(0, 4, "\xFF\xD8\xFF\xE0") == 0 &&
        b.compare(6, 5, std::string("JFIF\0", 5)) == 0) {
        for (std::size_t m = 5; m + 8 < b.size(); ++m) {
            if (static_cast<unsigned char>(b[m]) == 0xFF &&
                static_cast<unsigned char>(b[m + 1]) == 0xC0)
                return {big_endian(b, m + 7, 2), big_endian(b, m + 5, 2)};
        }
    }
    return {};
}

// A file:// URL with every byte outside the unreserved set percent-encoded.
std::wstring file_url(const std::wstring& path_text) {
    const fs::path path = to_path(path_text);
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error) absolute = path;
    std::u8string utf8 = absolute.generic_u8string();
    std::wstring url = L"file://";
    for (char8_t c : utf8) {
        bool unreserved = (c >= u8'a' && c <= u8'z') || (c >= u8'A' && c <= u8'Z') ||
                          (c >= u8'0' && c <= u8'9') || c == u8'-' || c == u8'.' || c == u8'_' ||
                          c == u8'~' || c == u8'/';
        if (unreserved) {
            url += wchar_t(c);
        } else {
            static constexpr char hex[] = "0123456789ABCDEF";
            url += L'%';
            url += wchar_t(hex[c >> 4]);
            url += wchar_t(hex[c & 15]);
        }
    }
    return html_escape(url);
}

std::wstring unsized_tag(const std::wstring& src) { return L"<img src=\"" + src + L"\"/>"; }

// The text width in pixels from the page setup, written with the defaults
// first when the page setup was never made.
std::optional<double> text_width_pixels(document_data* data) {
    if (!data || group_count_of(data->page_setup) == 0) return std::nullopt;
    doc_record& setup = data->page_setup.groups[0].record;
    if (!(setup.d1 >= 1.0)) {
        setup.d1 = 210;
        setup.v[3] = 19;
        setup.v[5] = 19;
    }
    return (setup.d1 - double(setup.v[3] + setup.v[5])) * pixels_per_mm;
}

std::wstring linked_tag(const environment& env, document_data* data, const std::wstring& path,
                        double percent) {
    std::wstring src = file_url(path);
    std::optional<std::uintmax_t> file_size = env.file_size(path);
    if (!file_size || *file_size > max_image_bytes) return unsized_tag(src);
    pixel_size size = header_size(env, path, *file_size);
    if (size.width < 1 || size.height < 1 || size.width > max_pixels || size.height > max_pixels)
        return unsized_tag(src);
    std::optional<double> text_width = text_width_pixels(data);
    if (!text_width || !(*text_width > 0)) return unsized_tag(src);
    double shown_width = std::trunc(*text_width / 100 * percent);
    double shown_height = std::trunc(shown_width * (double(size.height) / double(size.width)));
    if (shown_width < 1 || shown_height < 1 || shown_width > max_pixels ||
        shown_height > max_pixels)
        return unsized_tag(src);
    return L"<img width=\"" + format_int(std::int64_t(shown_width)) + L"\" height=\"" +
           format_int(std::int64_t(shown_height)) + L"\" src=\"" + src + L"\" />";
}

std::wstring embedded_tag(const environment& env, document_data* data, const std::wstring& path,
                          double percent) {
    std::optional<std::uintmax_t> file_size = env.file_size(path);
    if (!file_size) return {};
    if (*file_size > max_image_bytes) return linked_tag(env, data, path, percent);
    try {
        std::optional<std::string> bytes = env.read_file(path, *file_size);
        if (!bytes || bytes->empty()) return {};
        return L"<img src=\"data:" + mime_type(*bytes) + L";base64," + base64_encode(*bytes) +
               L"\" width=\"" + format_int(std::int64_t(percent)) + L"%\"/>";
    } catch (const std::exception&) {
        return L"[image crash]";
    }
}

}  // namespace

bool links_images(const document_data* data) { return data && data->page_setup.record.b == 1; }

std::wstring render_image_field(const environment& env, document_data* data,
                                const std::wstring& path_text, double width_percent,
                                const std::wstring& name_key) {
    return render_image_field(env, data, path_text, width_percent, name_key, links_images(data));
}

std::wstring render_image_field(const environment& env, document_data* data,
                                const std::wstring& path_text, double width_percent,
                                const std::wstring& name_key, bool linked) {
    double percent =
        std::isnan(width_percent) ? 0 : std::trunc(std::clamp(width_percent, 0.0, 100.0));
    std::wstring path = path_text;
    if (path_text.empty() || !env.file_size(path)) {
        std::optional<std::wstring> fallback = fallback_path(data, name_key);
        if (!fallback || !env.file_size(*fallback)) return {};
        path = std::move(*fallback);
    }
    if (linked) return linked_tag(env, data, path, percent);
    return embedded_tag(env, data, path, percent);
}

}  // namespace engine
