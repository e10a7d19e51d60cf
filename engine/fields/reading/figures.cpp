#include "engine/fields/reading/figures.h"

#include <algorithm>

#include "engine/fields/number_value.h"
#include "engine/fields/reading/text_marks.h"

namespace engine::reading {

std::optional<std::size_t> figures_end(std::wstring_view text, std::size_t at, bool& plain) {
    // ",5" is a half.
    if (at + 1 < text.size() && is_separator(text[at]) && is_digit(text[at + 1]))
        return at + 1 + digits_from(text, at + 1);
    const std::size_t first = digits_from(text, at);
    if (first == 0) return std::nullopt;
    at += first;
    // Every mark groups, or the last is the decimal separator, unlike the
    // marks before it.
    std::size_t marks = 0;
    wchar_t first_mark = 0;
    wchar_t last_mark = 0;
    std::size_t last_run = 0;
    bool before_last_group = true;  // the marks before the last, each before three digits
    while (at + 1 < text.size() && (is_separator(text[at]) || is_group_blank(text[at])) &&
           is_digit(text[at + 1])) {
        if (marks > 0 && (last_run != 3 || !same_mark(last_mark, first_mark)))
            before_last_group = false;
        if (marks == 0) first_mark = text[at];
        last_mark = text[at];
        last_run = digits_from(text, at + 1);
        ++marks;
        at += 1 + last_run;
    }
    plain = marks == 0;
    const bool grouped =
        before_last_group && (marks == 0 || (last_run == 3 && same_mark(last_mark, first_mark)));
    const bool decimal = marks > 0 && is_separator(last_mark) && before_last_group &&
                         (marks == 1 || !same_mark(first_mark, last_mark));
    if (!grouped && !decimal) return std::nullopt;
    // A decimal separator with nothing after it: «1234.».
    if (grouped && at < text.size() && is_separator(text[at]) &&
        (marks == 0 || !same_mark(first_mark, text[at]))) {
        plain = false;
        return at + 1;
    }
    return at;
}

std::optional<std::wstring> kopecks_after_hyphen(std::wstring_view text, std::size_t figures_start,
                                                 std::size_t figures_end) {
    if (figures_end + 3 > text.size() || !is_hyphen(text[figures_end]) ||
        digits_from(text, figures_end + 1) != 2)
        return std::nullopt;
    std::size_t digits = 0;
    for (std::size_t i = figures_start; i < figures_end; ++i) {
        if (is_digit(text[i]))
            ++digits;
        else if (!is_group_blank(text[i]))
            return std::nullopt;
    }
    if (digits < 3) return std::nullopt;
    return std::wstring(text.substr(figures_end + 1, 2));
}

std::wstring multiplied(const std::wstring& digits, int zeros) {
    const std::size_t point = digits.find(L'.');
    std::wstring integer = digits.substr(0, point);
    std::wstring fraction = point == std::wstring::npos ? L"" : digits.substr(point + 1);
    fraction.resize(std::max(fraction.size(), std::size_t(zeros)), L'0');
    integer = without_leading_zeros(integer + fraction.substr(0, std::size_t(zeros)));
    fraction.erase(0, std::size_t(zeros));
    return fraction.empty() ? integer : integer + L"." + fraction;
}

std::wstring without_trailing_zeros(std::wstring digits) {
    while (!digits.empty() && digits.back() == L'0') digits.pop_back();
    return digits;
}

std::wstring written_like(const std::wstring& digits, std::wstring_view typed, int language) {
    const std::size_t decimal = decimal_separator_position(typed, language);
    wchar_t group_mark = language == 1 ? L' ' : L',';
    wchar_t decimal_mark = language == 1 ? L',' : L'.';
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (i == decimal) {
            decimal_mark = typed[i];
        } else if (!is_digit(typed[i])) {
            group_mark = typed[i];
            break;
        }
    }
    const std::size_t point = digits.find(L'.');
    const std::size_t integer = std::min(point, digits.size());
    std::wstring out;
    for (std::size_t i = 0; i < integer; ++i) {
        if (i > 0 && (integer - i) % 3 == 0) out += group_mark;
        out += digits[i];
    }
    if (point != std::wstring::npos) out += decimal_mark + digits.substr(point + 1);
    return out;
}

}  // namespace engine::reading
