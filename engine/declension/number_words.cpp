#include "engine/declension/number_words.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/declension/decline_word.h"
#include "engine/declension/number_word_tables.h"
#include "engine/declension/paradigms.h"
#include "engine/fields/blank_text.h"

namespace engine {
namespace {

constexpr std::size_t k_digits = 21;
constexpr int k_groups = 7;
constexpr int k_feminine = 1;
constexpr int k_ruble_group = 21;
constexpr int k_kopeck_group = 22;

// Scale words of the first six groups, highest first.
constexpr const wchar_t* const (*k_scale_words[k_groups - 1])[3] = {
    quintillion_words, quadrillion_words, trillion_words, milliard_words, million_words, thousand_words,
};

struct digit_group {
    int hundreds = 0;
    int tens = 0;
    int units = 0;  // 0 ... 19: a tens digit of 1 is folded in

    bool empty() const { return hundreds == 0 && tens == 0 && units == 0; }
};

int digit_value(wchar_t c) { return (c >= L'0' && c <= L'9') ? int(c - L'0') : 0; }

// 0 for a count ending in 1, 1 for 2-4, 2 for every other (teens included).
int count_form(int units) {
    if (units == 1) return 0;
    if (units >= 2 && units <= 4) return 1;
    return 2;
}

std::array<digit_group, k_groups> split_groups(const std::wstring& digits) {
    std::wstring padded(k_digits - std::min(k_digits, digits.size()), L'0');
    padded += digits;
    std::array<digit_group, k_groups> groups{};
    for (int g = 0; g < k_groups; ++g) {
        digit_group& group = groups[std::size_t(g)];
        group.hundreds = digit_value(padded[std::size_t(g * 3)]);
        group.tens = digit_value(padded[std::size_t(g * 3 + 1)]);
        group.units = digit_value(padded[std::size_t(g * 3 + 2)]);
        if (group.tens == 1) {
            group.tens = 0;
            group.units += 10;
        }
    }
    return groups;
}

bool all_zeros(const std::wstring& digits) {
    return !digits.empty() && std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c == L'0'; });
}

// Slots are local: nothing else may see what these words report.
std::wstring declined(const wchar_t* word, int c, std::uint32_t animate = 0) {
    std::uint32_t gender = 0;
    return decline_word(word, c, &gender, &animate);
}

std::wstring zero_words(int c, int kind) {
    std::wstring text = declined(L"ноль", c);
    switch (kind) {
    case number_kind_integer_part: return text + L" целых";
    case number_kind_fraction_part: return text + L" десятых";
    case number_kind_rubles: return text + L" рублей";
    case number_kind_kopecks: return text + L" копеек";
    default: return text;
    }
}

// один/два, or their feminine forms, for the last unit word.
const wchar_t* unit_word(int index, int units, int gender) {
    if (units == 1) return one_forms[index][gender];
    if (units == 2) return two_forms[index][gender];
    return cardinal_units[index][units];
}

// The noun after the integer or fraction part of a decimal. Declined as
// animate so that the accusative plural reads like the nominative's count
// form: "две целых", not "две целые". After тысяча, миллион … it is counted
// by that noun, which asks for the genitive plural in every case: "одной
// тысячей целых".
std::wstring decimal_noun(int group, int units, int c, bool after_scale_word) {
    constexpr std::uint32_t animate = 1;
    if (after_scale_word) return fraction_words[group][1];
    if (units == 1) return declined(fraction_words[group][0], c, animate);
    if (c == 1) return fraction_words[group][1];
    return declined(fraction_words[group][2], c, animate);
}

// рубль and копейка after a count: the genitive stands in for the nominative
// and the accusative, the singular after 2-4, the plural otherwise; after
// тысяча, миллион … the genitive plural in every case ("одним миллионом
// рублей").
std::wstring money_noun(int group, int units, int c, bool after_scale_word) {
    if (after_scale_word) return declined(fraction_words[group][1], 2);
    const bool direct = c == 1 || c == 4;
    if (units == 1) return declined(fraction_words[group][0], c);
    if (units >= 2 && units <= 4)
        return direct ? declined(fraction_words[group][0], 2) : declined(fraction_words[group][1], c);
    return declined(fraction_words[group][1], direct ? 2 : c);
}

}  // namespace

std::wstring number_words_in_case(std::wstring digits, int grammatical_case, int kind) {
    trim_blanks(digits);
    if (digits.empty() || digits.size() >= k_digits) return digits;
    const int c = (grammatical_case >= 1 && grammatical_case <= 6) ? grammatical_case : 1;
    const int index = c - 1;
    // A zero read by the rules below would lose its words ("00" would give
    // nothing, a fraction of zeros only its denominator).
    if (all_zeros(digits)) return zero_words(c, kind);

    int denominator = 0;
    if (kind == number_kind_fraction_part) {
        trim_trailing_zeros(digits);
        denominator = int(digits.size());
    } else if (kind == number_kind_kopecks) {
        trim_trailing_zeros(digits);
        if (digits.size() > 2) digits.resize(2);
        if (digits.size() == 1) digits += L'0';  // "5" is fifty kopecks
    }

    const std::array<digit_group, k_groups> groups = split_groups(digits);
    std::wstring text;
    for (int g = 0; g < k_groups; ++g) {
        const digit_group& group = groups[std::size_t(g)];
        text += cardinal_hundreds[index][group.hundreds];
        text += L' ';
        text += cardinal_tens[index][group.tens];
        text += L' ';
        if (g == k_groups - 1) break;
        const bool thousands = g == k_groups - 2;
        text += thousands ? unit_word(index, group.units, k_feminine) : cardinal_units[index][group.units];
        if (!group.empty()) text += k_scale_words[g][index][count_form(group.units)];
        else if (g > 0) text += L' ';
    }

    const int units = groups[k_groups - 1].units;
    const bool after_scale_word = groups[k_groups - 1].empty();
    switch (kind) {
    case number_kind_integer_part:
    case number_kind_fraction_part:
        text += unit_word(index, units, k_feminine);
        text += L' ';
        text += decimal_noun(denominator, units, c, after_scale_word);
        text += L' ';
        break;
    case number_kind_rubles:
    case number_kind_kopecks: {
        const bool rubles = kind == number_kind_rubles;
        text += unit_word(index, units, rubles ? 0 : k_feminine);
        text += L' ';
        text += money_noun(rubles ? k_ruble_group : k_kopeck_group, units, c, after_scale_word);
        text += L' ';
        break;
    }
    default: text += cardinal_units[index][units];
    }
    return single_spaces(trim_blanks(text));
}

}  // namespace engine
