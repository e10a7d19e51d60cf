#include "ui/output/file_writer.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "engine/document/file_replace.h"
#include "engine/text/utf16.h"

namespace ui {

namespace {

std::filesystem::path fs_path(std::wstring_view text) {
    return std::filesystem::path(engine::to_utf8(text));
}

}  // namespace

std::string utf8_of(std::wstring_view text) {
    std::wstring clean(text);
    for (wchar_t& c : clean) {
        const auto code = static_cast<std::uint32_t>(c);
        if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) c = 0xFFFD;
    }
    return engine::to_utf8(clean);
}

void write_file_atomically(const std::wstring& path, std::string_view bytes) {
    if (const std::error_code error = engine::replace_file(fs_path(path), bytes)) {
        throw std::runtime_error("writing " + engine::to_utf8(path) + ": " + error.message());
    }
}

}  // namespace ui
