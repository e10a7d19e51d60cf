#include "engine/render/unbroken_tables.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr std::wstring_view keep_whole = L"break-inside:avoid;page-break-inside:avoid;";
constexpr std::wstring_view keep_with_next_page = L"page-break-after:avoid;";

bool is_name_char(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
}

// The lowered name of the tag that opens at `at` (a "<"), with its "/".
std::wstring tag_name(const std::wstring& html, std::size_t at) {
    std::size_t end = at + 1;
    if (end < html.size() && html[end] == L'/') ++end;
    while (end < html.size() && is_name_char(html[end])) ++end;
    std::wstring name = html.substr(at + 1, end - at - 1);
    for (wchar_t& c : name) c = to_lower_char(c);
    return name;
}

// Where the tag that opens at `at` ends (its ">"), quoted values skipped;
// npos when it never does.
std::size_t tag_end(const std::wstring& html, std::size_t at) {
    wchar_t quote = 0;
    for (std::size_t i = at + 1; i < html.size(); ++i) {
        const wchar_t c = html[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == L'"' || c == L'\'') {
            quote = c;
        } else if (c == L'>') {
            return i;
        }
    }
    return std::wstring::npos;
}

// Adds `declarations` at the start of the style of the opening tag at `at`,
// or a style of their own when it has none.
void add_to_style(std::wstring& html, std::size_t at, std::wstring_view declarations) {
    const std::size_t end = tag_end(html, at);
    if (end == std::wstring::npos) return;
    wchar_t quote = 0;
    for (std::size_t i = at + 1; i + 7 < end; ++i) {
        const wchar_t c = html[i];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == L'"' || c == L'\'') {
            quote = c;
            continue;
        }
        const bool after_blank = html[i - 1] == L' ' || html[i - 1] == L'\t' ||
                                 html[i - 1] == L'\n' || html[i - 1] == L'\r';
        std::wstring attribute = html.substr(i, 6);
        for (wchar_t& a : attribute) a = to_lower_char(a);
        if (after_blank && attribute == L"style=" &&
            (html[i + 6] == L'"' || html[i + 6] == L'\'')) {
            html.insert(i + 7, declarations);
            return;
        }
    }
    const std::size_t before = end > at && html[end - 1] == L'/' ? end - 1 : end;
    html.insert(before, L" style=\"" + std::wstring(declarations) + L"\"");
}

}  // namespace

std::wstring keep_short_tables_whole(std::wstring html) {
    struct open_table {
        std::size_t at;
        int rows = 0;
    };
    std::vector<open_table> open;
    std::vector<std::size_t> short_tables;
    for (std::size_t at = html.find(L'<'); at != std::wstring::npos; at = html.find(L'<', at + 1)) {
        const std::wstring name = tag_name(html, at);
        if (name == L"table") {
            open.push_back({at});
        } else if (name == L"tr" && !open.empty()) {
            ++open.back().rows;
        } else if (name == L"/table" && !open.empty()) {
            if (open.back().rows >= 1 && open.back().rows <= short_table_rows)
                short_tables.push_back(open.back().at);
            open.pop_back();
        }
    }
    // From the last, so that the earlier places stay where they were.
    std::sort(short_tables.begin(), short_tables.end(), std::greater<>());
    for (const std::size_t at : short_tables) add_to_style(html, at, keep_whole);
    return html;
}

bool starts_with_kept_table(const std::wstring& html) {
    const std::size_t at = html.find_first_not_of(L" \t\r\n");
    if (at == std::wstring::npos || html[at] != L'<' || tag_name(html, at) != L"table")
        return false;
    const std::size_t end = tag_end(html, at);
    return end != std::wstring::npos &&
           std::wstring_view(html).substr(at, end - at).find(keep_whole) != std::wstring::npos;
}

std::wstring keep_with_next(std::wstring unit) {
    const std::size_t at = unit.find_first_not_of(L" \t\r\n");
    if (at == std::wstring::npos || unit[at] != L'<' || tag_name(unit, at) != L"div") return unit;
    const std::size_t open_end = tag_end(unit, at);
    const std::size_t close = unit.rfind(L"</div>");
    if (open_end == std::wstring::npos || close == std::wstring::npos || close <= open_end)
        return unit;
    unit.insert(close, L"</p>");
    unit.insert(open_end + 1, L"<p style=\"" + std::wstring(keep_with_next_page) + L"margin:0;\">");
    return unit;
}

}  // namespace engine
