#include "engine/fields/number_words_en.h"

#include <array>

#include "engine/text/plain_text.h"

namespace engine {

namespace {

constexpr std::array<const wchar_t*, 20> units = {
    L"",         L"one",     L"two",     L"three",     L"four",     L"five",    L"six",
    L"seven",    L"eight",   L"nine",    L"ten",       L"eleven",   L"twelve",  L"thirteen",
    L"fourteen", L"fifteen", L"sixteen", L"seventeen", L"eighteen", L"nineteen"};
constexpr std::array<const wchar_t*, 10> tens = {L"",       L"ten",   L"twenty", L"thirty",
                                                 L"forty",  L"fifty", L"sixty",  L"seventy",
                                                 L"eighty", L"ninety"};
constexpr std::array<const wchar_t*, 10> hundreds = {L"",
                                                     L"one hundred",
                                                     L"two hundred",
                                                     L"three hundred",
                                                     L"four hundred",
                                                     L"five hundred",
                                                     L"six hundred",
                                                     L"seven hundred",
                                                     L"eight hundred",
                                                     L"nine hundred"};
constexpr std::array<const wchar_t*, 10> digit_names = {
    L"zero", L"one", L"two", L"three", L"four", L"five", L"six", L"seven", L"eight", L"nine"};

// Scale words of the groups above the units, from the highest.
constexpr std::array<const wchar_t*, 6> scales = {
    L" quintillion ", L" quadrillion ", L" trillion ", L" billion ", L" million ", L" thousand "};
constexpr std::size_t group_count = scales.size() + 1;
constexpr std::size_t max_digits = group_count * 3 - 1;

int digit_of(wchar_t c) { return c >= L'0' && c <= L'9' ? int(c - L'0') : 0; }

}  // namespace

std::wstring number_words_en(std::wstring digits, int /*mode*/) {
    std::wstring kept;
    kept.reserve(digits.size());
    for (wchar_t c : digits)
        if (c != L',' && !is_blank(c)) kept += c;
    if (kept.size() > max_digits) return digits;

    std::array<int, group_count * 3> d{};
    const std::size_t pad = d.size() - kept.size();
    bool any_non_zero = false;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        d[pad + i] = digit_of(kept[i]);
        any_non_zero = any_non_zero || d[pad + i] != 0;
    }
    if (!any_non_zero) return L"zero";

    std::wstring out;
    bool higher_non_zero = false;
    for (std::size_t g = 0; g < group_count; ++g) {
        const int h = d[g * 3];
        int t = d[g * 3 + 1];
        int u = d[g * 3 + 2];
        if (t == 1) {
            t = 0;
            u += 10;
        }
        const bool group_non_zero = h != 0 || t != 0 || u != 0;
        const bool has_tail = t != 0 || u != 0;
        out += hundreds[std::size_t(h)];
        const bool last = g + 1 == group_count;
        if (has_tail && (h != 0 || (last && higher_non_zero))) out += L' ';
        out += tens[std::size_t(t)];
        if (t != 0 && u != 0) out += L'-';
        out += units[std::size_t(u)];
        if (!last) {
            if (group_non_zero)
                out += scales[g];
            else if (g != 0)
                out += L' ';
        }
        higher_non_zero = higher_non_zero || group_non_zero;
    }
    return single_spaces(trimmed(out));
}

std::wstring decimal_words_en(const std::wstring& digits) {
    std::wstring out = L"point";
    for (wchar_t c : digits) {
        out += L' ';
        out += digit_names[std::size_t(digit_of(c))];
    }
    return out;
}

}  // namespace engine
