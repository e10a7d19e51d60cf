#include "engine/fields/number_value.h"

#include "engine/fields/single_number.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_separator(wchar_t c) { return c == L',' || c == L'.'; }
bool is_minus(wchar_t c) { return c == L'-' || c == L'\u2212'; }

std::size_t digits_after(std::wstring_view text, std::size_t position) {
    std::size_t count = 0;
    while (position + 1 + count < text.size() && is_digit(text[position + 1 + count])) ++count;
    return count;
}

// «150.000» groups in Russian when the point follows one to three digits
// that do not begin with 0; «0.750» and «1234.567» are decimals.
bool groups_thousands(std::wstring_view text, std::size_t point) {
    std::size_t before = 0;
    wchar_t first = 0;
    for (std::size_t i = 0; i < point; ++i) {
        if (!is_digit(text[i])) continue;
        if (before++ == 0) first = text[i];
    }
    return before >= 1 && before <= 3 && first != L'0';
}

// The hyphen of "twenty-one (21)" is no minus.
bool joins_words(std::wstring_view text, std::size_t at) {
    return at > 0 && at + 1 < text.size() && is_alpha_char(text[at - 1]) &&
           is_alpha_char(text[at + 1]);
}

std::size_t first_digit(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && !is_digit(text[at])) ++at;
    return at;
}

// Rounds half away from zero at the third decimal, carrying through the
// digits; the sign is kept apart, so up is away from zero.
std::wstring rounded_to_hundredths(const std::wstring& digits) {
    const std::size_t point = digits.find(L'.');
    if (point == std::wstring::npos || digits.size() - point <= 3) return digits;
    std::wstring out = digits.substr(0, point + 3);
    if (digits[point + 3] < L'5') return out;
    for (std::size_t i = out.size(); i-- > 0;) {
        if (out[i] == L'.') continue;
        if (out[i] != L'9') {
            ++out[i];
            return out;
        }
        out[i] = L'0';
    }
    return L"1" + out;
}

}  // namespace

bool minus_before(std::wstring_view text, std::size_t figures_start) {
    for (std::size_t i = 0; i < figures_start && i < text.size(); ++i)
        if (is_minus(text[i]) && !joins_words(text, i)) return true;
    return false;
}

std::size_t decimal_separator_position(std::wstring_view text, int language) {
    std::size_t commas = 0;
    std::size_t dots = 0;
    std::size_t rightmost = std::wstring_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!is_separator(text[i])) continue;
        (text[i] == L',' ? commas : dots) += 1;
        rightmost = i;
    }
    if (rightmost == std::wstring_view::npos) return rightmost;
    const std::size_t rightmost_kind_count = text[rightmost] == L',' ? commas : dots;
    if (rightmost_kind_count > 1) return std::wstring_view::npos;
    if (commas > 0 && dots > 0) return rightmost;
    if (digits_after(text, rightmost) == 3) {
        if (language == 0 && text[rightmost] == L',') return std::wstring_view::npos;
        if (language == 1 && text[rightmost] == L'.' && groups_thousands(text, rightmost))
            return std::wstring_view::npos;
    }
    return rightmost;
}

std::wstring clean_number_text(std::wstring_view text, int language) {
    const std::size_t decimal = decimal_separator_position(text, language);
    // Written in place: every amount a document shows passes here.
    std::wstring out(text.size(), L'\0');
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (is_digit(text[i]))
            out[length++] = text[i];
        else if (i == decimal)
            out[length++] = L'.';
    }
    out.resize(length);
    return out;
}

std::wstring without_leading_zeros(const std::wstring& digits) {
    std::size_t first = digits.find_first_not_of(L'0');
    return first == std::wstring::npos ? L"0" : digits.substr(first);
}

std::wstring two_digit_fraction(std::wstring fraction) {
    if (fraction.size() > 2) fraction.resize(2);
    while (fraction.size() < 2) fraction += L'0';
    return fraction;
}

namespace {

void take_digits(number_value& number, std::wstring digits, bool computed) {
    number.digits = computed ? rounded_to_hundredths(digits) : std::move(digits);
    const std::wstring& text = number.text;
    number.negative = minus_before(text, first_digit(text));
    const std::size_t point = number.digits.find(L'.');
    number.has_separator = point != std::wstring::npos;
    number.integer_part = number.digits.substr(0, point);
    if (number.has_separator) number.fraction_part = number.digits.substr(point + 1);
    number.money_integer = number.integer_part.empty() && !number.has_separator
                               ? number.integer_part
                               : without_leading_zeros(number.integer_part);
    // Minus zero is zero.
    if (number.digits.find_first_of(L"123456789") == std::wstring::npos) number.negative = false;
    if (!number.fraction_part.empty())
        number.money_hundredths = two_digit_fraction(number.fraction_part);
    number.value = read_double_prefix(number.digits).value_or(0.0);
    if (number.negative) number.value = -number.value;
}

}  // namespace

number_value::number_value(const doc_node* parameters_root, std::wstring typed, int language_in,
                           bool computed)
    : parameters(parameters_root), text(std::move(typed)), language(language_in) {
    // A unit's point is no decimal separator: «18 500,00 руб.» is 18500.00.
    std::optional<single_number> read = read_single_number(text, language);
    take_digits(*this, read ? std::move(read->digits) : clean_number_text(text, language),
                computed);
}

number_value::number_value(const doc_node* parameters_root, std::wstring typed, int language_in,
                           const single_number& read)
    : parameters(parameters_root), text(std::move(typed)), language(language_in), reading(&read) {
    take_digits(*this, read.digits, false);
}

}  // namespace engine
