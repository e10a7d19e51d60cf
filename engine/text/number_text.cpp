#include "engine/text/number_text.h"

#include <charconv>
#include <cmath>

#include "engine/text/plain_text.h"

namespace engine {

namespace {

std::wstring widen_ascii(const char* begin, const char* end) { return std::wstring(begin, end); }

// White space as the C library reads numbers: blanks, vertical tab and form feed.
bool is_c_space(wchar_t c) { return is_blank(c) || c == L'\v' || c == L'\f'; }

// Copies the leading number of `text` (after white space) into ASCII, taking
// only the characters the grammar allows: sign, digits and, for a floating
// value, one "." and one exponent with its own sign and digits.
std::string leading_number(std::wstring_view text, bool floating) {
    std::size_t i = 0;
    while (i < text.size() && is_c_space(text[i])) ++i;
    std::string out;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-') out += '-';
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && is_digit(text[i])) out += char(text[i++]), ++digits;
    if (floating && i < text.size() && text[i] == L'.') {
        out += '.';
        ++i;
        while (i < text.size() && is_digit(text[i])) out += char(text[i++]), ++digits;
    }
    if (digits == 0) return {};
    if (floating && i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent += char(text[j++]);
        std::size_t exponent_digits = 0;
        while (j < text.size() && is_digit(text[j])) exponent += char(text[j++]), ++exponent_digits;
        if (exponent_digits > 0) out += exponent;
    }
    return out;
}

}  // namespace

std::wstring format_fixed6(double value) {
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc{}) return {};
    return widen_ascii(buffer, result.ptr);
}

std::wstring format_int(std::int64_t value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return widen_ascii(buffer, result.ptr);
}

std::optional<std::int64_t> read_int64_prefix(std::wstring_view text) {
    std::string number = leading_number(text, false);
    if (number.empty()) return std::nullopt;
    std::int64_t value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc{}) return std::nullopt;
    return value;
}

std::optional<double> read_double_prefix(std::wstring_view text) {
    std::string number = leading_number(text, true);
    if (number.empty()) return std::nullopt;
    double value = 0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc{} || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace engine
