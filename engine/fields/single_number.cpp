#include "engine/fields/single_number.h"

#include <array>
#include <vector>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_group_blank(wchar_t c) {
    return c == L' ' || c == L'\u00A0' || c == L'\u202F' || c == L'\u2009';
}
bool is_separator(wchar_t c) { return c == L',' || c == L'.'; }
bool is_sign(wchar_t c) {
    return c == L'+' || c == L'-' || c == L'\u2212' || c == L'$' || c == L'\u20AC' ||
           c == L'\u00A3' || c == L'\u20BD' || is_group_blank(c) || is_blank(c);
}
// Blanks part groups alike, whichever of them was typed.
bool same_mark(wchar_t a, wchar_t b) { return a == b || (is_group_blank(a) && is_group_blank(b)); }

// Lower case; each may be followed by its point.
// clang-format off
constexpr std::array<std::wstring_view, 12> units = {
    L"руб", L"р", L"коп", L"дн", L"мес", L"шт", L"%", L"$", L"\u20AC", L"usd", L"eur", L"rub",
};
// clang-format on

// Whether `text` from `at` is a unit, blanks around it allowed, and nothing else.
bool is_unit_tail(std::wstring_view text, std::size_t at) {
    while (at < text.size() && (is_group_blank(text[at]) || is_blank(text[at]))) ++at;
    if (at == text.size()) return true;
    for (std::wstring_view unit : units) {
        if (text.size() - at < unit.size()) continue;
        std::size_t i = 0;
        while (i < unit.size() && to_lower_char(text[at + i]) == unit[i]) ++i;
        if (i < unit.size()) continue;
        std::size_t end = at + unit.size();
        if (end < text.size() && text[end] == L'.') ++end;
        while (end < text.size() && (is_group_blank(text[end]) || is_blank(text[end]))) ++end;
        if (end == text.size()) return true;
    }
    return false;
}

std::size_t digits_from(std::wstring_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - at;
}

// Whether the first `count` marks all group, each before three digits.
bool all_group(const std::vector<wchar_t>& marks, const std::vector<std::size_t>& runs,
               std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (runs[i] != 3 || !same_mark(marks[i], marks[0])) return false;
    return true;
}

}  // namespace

std::optional<std::size_t> single_number_length(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && is_sign(text[at])) ++at;
    // ",5" is a half.
    if (at + 1 < text.size() && is_separator(text[at]) && is_digit(text[at + 1])) {
        const std::size_t end = at + 1 + digits_from(text, at + 1);
        return is_unit_tail(text, end) ? std::optional(end) : std::nullopt;
    }
    std::size_t first = digits_from(text, at);
    if (first == 0) return std::nullopt;
    at += first;
    std::vector<wchar_t> marks;
    std::vector<std::size_t> runs;
    while (at + 1 < text.size() && (is_separator(text[at]) || is_group_blank(text[at])) &&
           is_digit(text[at + 1])) {
        marks.push_back(text[at]);
        runs.push_back(digits_from(text, at + 1));
        at += 1 + runs.back();
    }
    // Every mark groups, or the last is the decimal separator, unlike the
    // marks before it.
    const std::size_t n = marks.size();
    const bool grouped = all_group(marks, runs, n);
    const bool decimal = n > 0 && is_separator(marks[n - 1]) && all_group(marks, runs, n - 1) &&
                         (n == 1 || !same_mark(marks[0], marks[n - 1]));
    if (!grouped && !decimal) return std::nullopt;
    // A decimal separator with nothing after it: «1234.».
    if (grouped && at < text.size() && is_separator(text[at]) &&
        (n == 0 || !same_mark(marks[0], text[at])) && is_unit_tail(text, at + 1))
        return at + 1;
    return is_unit_tail(text, at) ? std::optional(at) : std::nullopt;
}

std::wstring figures_as_typed(std::wstring_view text) {
    const std::optional<std::size_t> length = single_number_length(text);
    if (!length) return {};
    std::wstring_view figures = text.substr(0, *length);
    while (!figures.empty() && (is_separator(figures.back()) || figures.back() == L'-' ||
                                is_group_blank(figures.back()) || is_blank(figures.back())))
        figures.remove_suffix(1);
    return std::wstring(figures);
}

}  // namespace engine
