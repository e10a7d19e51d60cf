#include "core/settings.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "core/file_paths.h"
#include "engine/document/file_replace.h"
#include "engine/fields/calculator.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/utf16.h"

namespace core {

namespace {

// A settings file is a few hundred bytes; anything past this is not ours.
constexpr std::size_t max_file_bytes = 1 << 20;

enum class kind { number, text };

struct key_entry {
    const wchar_t* key;
    kind type;
    double settings::*number;
    std::wstring settings::*text;
};

// The file's keys in the file's order (LastParameter follows, written only).
const std::array<key_entry, 15> keys{{
    {L"Language", kind::number, &settings::Language, nullptr},
    {L"LastDocument", kind::text, nullptr, &settings::LastDocument},
    {L"LastDocumentEng", kind::text, nullptr, &settings::LastDocumentEng},
    {L"StartOnLibrary", kind::number, &settings::StartOnLibrary, nullptr},
    {L"DocumentZoom", kind::number, &settings::DocumentZoom, nullptr},
    {L"MenuPanelWidth", kind::number, &settings::MenuPanelWidth, nullptr},
    {L"DataPanelWidth", kind::number, &settings::DataPanelWidth, nullptr},
    {L"AppWindowMaximized", kind::number, &settings::AppWindowMaximized, nullptr},
    {L"ToolBarShow", kind::number, &settings::ToolBarShow, nullptr},
    {L"StatusBarShow", kind::number, &settings::StatusBarShow, nullptr},
    {L"OpenDocAfterSaving", kind::number, &settings::OpenDocAfterSaving, nullptr},
    {L"WindowX", kind::number, &settings::WindowX, nullptr},
    {L"WindowY", kind::number, &settings::WindowY, nullptr},
    {L"WindowWidth", kind::number, &settings::WindowWidth, nullptr},
    {L"WindowHeight", kind::number, &settings::WindowHeight, nullptr},
}};

std::string utf16le_bytes(std::wstring_view text) {
    const std::u16string units = engine::to_utf16(text);
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}

std::wstring from_utf16le_bytes(const std::string& bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units += char16_t((unsigned char)bytes[i] | ((unsigned char)bytes[i + 1] << 8));
    }
    return engine::from_utf16(units);
}

void apply_line(settings& target, std::wstring_view line) {
    const std::size_t colon = line.find(L':');
    if (colon == std::wstring_view::npos) return;
    const std::wstring_view key = line.substr(0, colon);
    const std::wstring value(engine::trimmed(std::wstring_view(line).substr(colon + 1)));
    for (const key_entry& entry : keys) {
        if (key != entry.key) continue;
        if (entry.type == kind::text) {
            target.*entry.text = value;
        } else {
            target.*entry.number = engine::parse_double_or_zero(value);
        }
        return;
    }
}

}  // namespace

void settings::load(const std::wstring& data_folder) {
    path = data_folder + L"/tembrick.ini";
    // Only a file known to be missing is made: one that cannot be checked
    // (a loop of links, no access) is not written over.
    std::error_code error;
    const auto status = std::filesystem::status(fs_path(path), error);
    if (status.type() == std::filesystem::file_type::not_found) {
        write();
    } else {
        read();
    }
}

void settings::read() {
    if (path.empty()) return;
    std::ifstream file(fs_path(path), std::ios::binary);
    if (!file) return;
    std::string bytes(max_file_bytes, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(file.gcount()));
    const std::wstring text = from_utf16le_bytes(bytes);

    lines.clear();
    std::size_t line_end = text.find(L'\n');
    // The count is an unsigned decimal at the start of the first line; the
    // rest of that line is skipped.
    const auto count = engine::read_int64_prefix(text);
    if (!count || *count < 0 || line_end == std::wstring::npos) return;
    std::size_t start = line_end + 1;
    for (std::int64_t read = 0; read < *count && start < text.size(); ++read) {
        line_end = text.find(L'\n', start);
        const std::size_t end = line_end == std::wstring::npos ? text.size() : line_end;
        // The CR before the LF stays; the value's trimming removes it.
        if (end > start) lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    for (const std::wstring& line : lines) apply_line(*this, line);
}

bool settings::write(std::string_view first_temporary_name) {
    if (path.empty()) return false;
    lines.clear();
    for (const key_entry& entry : keys) {
        const std::wstring value = entry.type == kind::text
                                       ? this->*entry.text
                                       : engine::format_fixed6(this->*entry.number);
        lines.push_back(std::wstring(entry.key) + L":\t\t" + value);
    }
    lines.push_back(L"LastParameter:\t\t" + engine::format_fixed6(0.0));

    std::wstring text = engine::format_int(std::int64_t(lines.size()));
    for (const std::wstring& line : lines) text += L"\r\n" + line;
    text += L"\r\n";

    const std::error_code error =
        engine::replace_file(fs_path(path), utf16le_bytes(text), first_temporary_name);
    if (error && !failure_reported) {
        // Written at every placement change: one line is enough.
        std::cerr << "tembrick: the settings cannot be written to " << engine::to_utf8(path) << ": "
                  << error.message() << '\n';
        failure_reported = true;
    }
    return !error;
}

}  // namespace core
