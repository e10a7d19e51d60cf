#include "ui/editing/calculator_keys.h"

#include <algorithm>

#include "engine/fields/calculator.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"

namespace ui {

namespace {

using engine::is_digit;

// The character a key appends; 0 for the keys that do something else.
wchar_t appended_character(calculator_key key) {
    const auto code = std::int32_t(key);
    if (code >= 0 && code <= 9) return wchar_t(L'0' + code);
    switch (key) {
        case calculator_key::point: return L'.';
        case calculator_key::comma: return L',';
        case calculator_key::blank: return L' ';
        case calculator_key::colon: return L':';
        case calculator_key::divide: return L'/';
        case calculator_key::multiply: return L'*';
        case calculator_key::plus: return L'+';
        case calculator_key::minus: return L'-';
        case calculator_key::open: return L'(';
        case calculator_key::close: return L')';
        default: return 0;
    }
}

// The evaluator stops at a number that starts with ".": ".5" is read as
// "0.5" instead.
std::wstring with_leading_zeros(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + 4);
    for (wchar_t c : text) {
        if (c == L'.' && (out.empty() || !is_digit(out.back()))) out += L'0';
        out += c;
    }
    return out;
}

}  // namespace

std::wstring press_calculator_key(std::wstring text, calculator_key key, int language) {
    if (const wchar_t c = appended_character(key)) {
        text += c;
    } else if (key == calculator_key::backspace) {
        if (!text.empty()) text.pop_back();
    } else if (key == calculator_key::clear) {
        text.clear();
    } else if (key == calculator_key::equals) {
        Calculate(text, language);
    }
    return text;
}

std::wstring digit_count_text(std::wstring_view text) {
    const auto digits = std::count_if(text.begin(), text.end(), is_digit);
    return digits == 0 ? std::wstring() : engine::format_int(digits);
}

std::wstring& Calculate(std::wstring& expression, int language) {
    std::wstring text = expression;
    std::erase(text, L' ');
    std::replace(text.begin(), text.end(), L',', L'.');
    std::replace(text.begin(), text.end(), L':', L'/');
    bool divided_by_zero = false;
    bool not_finite = false;
    double value =
        engine::calculate_expression(with_leading_zeros(text), &divided_by_zero, &not_finite);
    // No number to show: the expression stays for the user to mend.
    if (divided_by_zero || not_finite) return expression;
    if (value == 0) value = 0;  // no "-0"
    std::wstring shown = engine::format_fixed6(value);
    const std::size_t point = shown.find(L'.');
    if (point != std::wstring::npos) {
        const std::size_t last = shown.find_last_not_of(L'0');
        shown.erase(std::max(last, point) + 1);
        if (shown.back() == L'.') shown.pop_back();
        if (language == 1) std::replace(shown.begin(), shown.end(), L'.', L',');
    }
    expression = std::move(shown);
    return expression;
}

}  // namespace ui
