#include "engine/text/markup_text.h"

#include <utility>

namespace engine {

namespace {

// clang-format off
constexpr std::pair<std::wstring_view, wchar_t> named_references[] = {
    {L"nbsp", L'\u00A0'},  {L"thinsp", L'\u2009'}, {L"ensp", L'\u2002'},  {L"emsp", L'\u2003'},
    {L"amp", L'&'},        {L"lt", L'<'},          {L"gt", L'>'},         {L"quot", L'"'},
    {L"apos", L'\''},      {L"ndash", L'\u2013'},  {L"mdash", L'\u2014'}, {L"hellip", L'\u2026'},
    {L"laquo", L'\u00AB'}, {L"raquo", L'\u00BB'},  {L"shy", L'\u00AD'},   {L"copy", L'\u00A9'},
    {L"sect", L'\u00A7'},  {L"numero", L'\u2116'}, {L"minus", L'\u2212'}, {L"times", L'\u00D7'},
};
// clang-format on

// Longer references are none of the named ones, and no code point needs
// more digits.
constexpr std::size_t longest_reference = 10;

bool is_ascii_letter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }

// The code point of the numeric reference body ("#169", "#xA9"); 0 when it
// is none or names no character.
char32_t numeric_reference(std::wstring_view body) {
    if (body.size() < 2 || body[0] != L'#') return 0;
    const bool hex = body[1] == L'x' || body[1] == L'X';
    const std::wstring_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    char32_t value = 0;
    for (wchar_t c : digits) {
        int digit = -1;
        if (c >= L'0' && c <= L'9') digit = c - L'0';
        if (hex && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
        if (hex && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
        if (digit < 0) return 0;
        value = value * (hex ? 16 : 10) + char32_t(digit);
        if (value > 0x10FFFF) return 0;
    }
    if (value >= 0xD800 && value <= 0xDFFF) return 0;
    return value;
}

}  // namespace

std::size_t tag_length(std::wstring_view html) {
    if (html.size() < 2 || html[0] != L'<' ||
        !(is_ascii_letter(html[1]) || html[1] == L'/' || html[1] == L'!'))
        return 0;
    const std::size_t close = html.find(L'>');
    return close == std::wstring_view::npos ? 0 : close + 1;
}

std::pair<char32_t, std::size_t> character_reference_at(std::wstring_view html) {
    if (html.empty() || html[0] != L'&') return {0, 0};
    const std::size_t end = html.substr(0, longest_reference + 2).find(L';');
    if (end == std::wstring_view::npos || end < 2) return {0, 0};
    const std::wstring_view body = html.substr(1, end - 1);
    if (const char32_t code = numeric_reference(body)) return {code, end + 1};
    for (const auto& [name, c] : named_references) {
        if (body == name) return {char32_t(c), end + 1};
    }
    return {0, 0};
}

std::wstring markup_to_text(std::wstring_view html) {
    std::wstring text;
    text.reserve(html.size());
    for (std::size_t i = 0; i < html.size();) {
        const wchar_t c = html[i];
        if (c == L'<') {
            if (const std::size_t length = tag_length(html.substr(i))) {
                i += length;
                continue;
            }
        }
        if (c == L'&') {
            if (const auto [code, length] = character_reference_at(html.substr(i)); length) {
                text += wchar_t(code);
                i += length;
                continue;
            }
        }
        text += c;
        ++i;
    }
    return text;
}

}  // namespace engine
