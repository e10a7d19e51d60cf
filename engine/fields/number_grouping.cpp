#include "engine/fields/number_grouping.h"

namespace engine {

namespace {

std::wstring grouped(const std::wstring& digits, const wchar_t* separator) {
    std::wstring out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::wstring group_digits_plain(const number_value& number) {
    const bool russian = number.language == 1;
    return grouped(number.integer_part, russian ? L"&thinsp;" : L",") + (russian ? L"," : L".") +
           two_digit_fraction(number.fraction_part);
}

std::wstring group_digits_html(const number_value& number) {
    std::wstring figures = (number.negative ? L"-" : L"") + group_digits_plain(number);
    if (number.language != 1) return figures;
    return L"<span style=\"white-space:nowrap\">" + figures + L"</span>";
}

}  // namespace engine
