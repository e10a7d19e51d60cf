#include "engine/text/attribute_value.h"

#include <algorithm>
#include <array>

#include "engine/text/plain_text.h"

namespace engine {

namespace {

bool is_latin_letter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

bool is_hex_digit(wchar_t c) {
    return is_digit(c) || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

bool ends_with_unit(std::wstring_view text, std::wstring_view unit) {
    if (text.size() < unit.size()) return false;
    std::wstring_view end = text.substr(text.size() - unit.size());
    return std::equal(end.begin(), end.end(), unit.begin(), [](wchar_t a, wchar_t b) {
        return (a >= L'a' && a <= L'z' ? wchar_t(a - L'a' + L'A') : a) == b;
    });
}

}  // namespace

bool is_plain_number(std::wstring_view text) {
    std::size_t dot = text.find(L'.');
    std::wstring_view whole = text.substr(0, dot);
    std::wstring_view fraction =
        dot == std::wstring_view::npos ? std::wstring_view(L"0") : text.substr(dot + 1);
    auto digits = [](std::wstring_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), is_digit);
    };
    return digits(whole) && digits(fraction);
}

bool is_number_or_percent(std::wstring_view text) {
    if (text.ends_with(L'%')) text.remove_suffix(1);
    return is_plain_number(text);
}

bool is_css_length(std::wstring_view text) {
    constexpr std::array<std::wstring_view, 6> units = {L"PX", L"PT", L"MM", L"CM", L"IN", L"EM"};
    for (std::wstring_view unit : units)
        if (ends_with_unit(text, unit)) return is_plain_number(text.substr(0, text.size() - 2));
    return is_number_or_percent(text);
}

bool is_hex_digits(std::wstring_view text) {
    return !text.empty() && text.size() <= 8 && std::all_of(text.begin(), text.end(), is_hex_digit);
}

bool is_colour(std::wstring_view text) {
    if (text.starts_with(L'#')) return is_hex_digits(text.substr(1));
    if (is_hex_digits(text)) return true;
    return !text.empty() && std::all_of(text.begin(), text.end(), is_latin_letter);
}

}  // namespace engine
