#include "platform/file_urls.h"

#include <cwctype>

namespace platform {

namespace {

// Well past PATH_MAX even with every byte percent-encoded.
constexpr std::size_t longest_url = 16384;

bool is_scheme_char(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'+' || c == L'-' || c == L'.';
}

// "file:" in any case, not the tail of a longer scheme.
bool file_scheme_at(std::wstring_view text, std::size_t at) {
    static constexpr std::wstring_view scheme = L"file:";
    if (text.size() - at < scheme.size()) return false;
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (wchar_t(std::towlower(wint_t(text[at + i]))) != scheme[i]) return false;
    }
    return at == 0 || !is_scheme_char(text[at - 1]);
}

int hex_value(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// The character at `at` as the script literal means it; `at` moves past it.
wchar_t read_literal_char(std::wstring_view text, std::size_t& at) {
    const wchar_t c = text[at++];
    if (c != L'\\' || at == text.size()) return c;
    const wchar_t escaped = text[at++];
    switch (escaped) {
        case L'n': return L'\n';
        case L'r': return L'\r';
        case L't': return L'\t';
        case L'u': {
            if (text.size() - at < 4) return escaped;
            unsigned value = 0;
            for (std::size_t i = 0; i < 4; ++i) {
                const int digit = hex_value(text[at + i]);
                if (digit < 0) return escaped;
                value = value * 16 + unsigned(digit);
            }
            at += 4;
            return wchar_t(value);
        }
        default: return escaped;
    }
}

bool ends_unquoted(wchar_t c) {
    return std::iswspace(wint_t(c)) || c == L'"' || c == L'\'' || c == L'<' || c == L'>' ||
           c == L'=' || c == L'`';
}

void resolve_ampersands(std::wstring& url) {
    static constexpr std::wstring_view entity = L"&amp;";
    for (auto at = url.find(entity); at != std::wstring::npos; at = url.find(entity, at + 1)) {
        url.erase(at + 1, entity.size() - 1);
    }
}

}  // namespace

std::vector<std::wstring> file_urls_in(std::wstring_view script) {
    std::vector<std::wstring> urls;
    for (std::size_t at = script.find(L':'); at != std::wstring_view::npos;
         at = script.find(L':', at + 1)) {
        if (at < 4 || !file_scheme_at(script, at - 4)) continue;
        const std::size_t start = at - 4;
        const wchar_t before = start == 0 ? L'\0' : script[start - 1];
        const wchar_t quote = before == L'"' || before == L'\'' ? before : L'\0';
        std::wstring url;
        std::size_t next = start;
        while (next < script.size() && url.size() <= longest_url) {
            const std::size_t here = next;
            const wchar_t c = read_literal_char(script, next);
            if (quote ? c == quote : ends_unquoted(c)) {
                next = here;
                break;
            }
            url += c;
        }
        at = next - 1;
        if (url.size() > longest_url) continue;
        resolve_ampersands(url);
        urls.push_back(std::move(url));
    }
    return urls;
}

}  // namespace platform
