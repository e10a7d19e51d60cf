#include "ui/output/save_target.h"

#include "ui/output/document_names.h"

namespace ui {

namespace {

// The longest name a Linux file system takes, in bytes.
constexpr std::size_t max_file_name_bytes = 255;

}  // namespace

std::optional<std::wstring> save_extension(core::SaveFormat save_format) {
    switch (save_format) {
        case core::SaveFormat::pdf: return L".pdf";
        case core::SaveFormat::doc: return L".doc";
        case core::SaveFormat::html: return L".html";
    }
    return std::nullopt;
}

std::optional<std::wstring> save_path(std::wstring_view folder, std::wstring_view fallback,
                                      std::wstring_view title, core::SaveFormat save_format) {
    const auto extension = save_extension(save_format);
    if (!extension) return std::nullopt;
    std::wstring directory(folder);
    while (!directory.empty() && (directory.back() == L' ' || directory.back() == L'\t' ||
                                  directory.back() == L'\n' || directory.back() == L'\r')) {
        directory.pop_back();
    }
    if (directory.empty()) directory = fallback;
    if (!directory.empty() && directory.back() != L'/') directory += L'/';
    // The extension is ASCII: its length is its size in bytes.
    return directory + file_name_from_title(title, max_file_name_bytes - extension->size()) +
           *extension;
}

}  // namespace ui
