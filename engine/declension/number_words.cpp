#include "engine/declension/number_words.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "engine/declension/decline_word.h"
#include "engine/declension/number_word_tables.h"
#include "engine/declension/paradigms.h"
#include "engine/text/plain_text.h"

namespace engine {
namespace {

constexpr std::size_t k_digits = 21;
constexpr int k_groups = 7;
constexpr int k_feminine = 1;
constexpr int k_ruble_group = 21;
constexpr int k_kopeck_group = 22;

// The word tables as views, so that appending a word never measures it.
template <std::size_t rows, std::size_t columns>
constexpr std::array<std::array<std::wstring_view, columns>, rows> as_views(
    const wchar_t* const (&table)[rows][columns]) {
    std::array<std::array<std::wstring_view, columns>, rows> views{};
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c) views[r][c] = table[r][c];
    return views;
}

constexpr auto k_units = as_views(cardinal_units);
constexpr auto k_tens = as_views(cardinal_tens);
constexpr auto k_hundreds = as_views(cardinal_hundreds);
constexpr auto k_one = as_views(one_forms);
constexpr auto k_two = as_views(two_forms);

// Scale words of the first six groups, highest first: [group][case][count form].
using scale_words = std::array<std::array<std::wstring_view, 3>, 6>;
constexpr std::array<scale_words, k_groups - 1> k_scale_words = {
    as_views(quintillion_words), as_views(quadrillion_words), as_views(trillion_words),
    as_views(milliard_words),    as_views(million_words),     as_views(thousand_words),
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

// The digits, shorter than k_digits, read as if padded with zeros in front.
std::array<digit_group, k_groups> split_groups(const std::wstring& digits) {
    const std::size_t padding = k_digits - digits.size();
    auto digit_at = [&](std::size_t i) {
        return i < padding ? 0 : digit_value(digits[i - padding]);
    };
    std::array<digit_group, k_groups> groups{};
    for (int g = 0; g < k_groups; ++g) {
        digit_group& group = groups[std::size_t(g)];
        group.hundreds = digit_at(std::size_t(g * 3));
        group.tens = digit_at(std::size_t(g * 3 + 1));
        group.units = digit_at(std::size_t(g * 3 + 2));
        if (group.tens == 1) {
            group.tens = 0;
            group.units += 10;
        }
    }
    return groups;
}

bool all_zeros(const std::wstring& digits) {
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c == L'0'; });
}

// Slots are local: nothing else may see what these words report.
std::wstring declined(const wchar_t* word, int c, std::uint32_t animate = 0) {
    std::uint32_t gender = 0;
    return decline_word(word, c, &gender, &animate);
}

// The nouns these numbers end with decline the same way on every call, so
// each form is declined once, on first use, and kept.
template <std::size_t n>
using form_table = std::array<std::array<std::wstring, 6>, n>;

std::wstring zero_words(int c, int kind) {
    static const form_table<1> zero = [] {
        form_table<1> forms;
        for (int k = 0; k < 6; ++k) forms[0][std::size_t(k)] = declined(L"ноль", k + 1);
        return forms;
    }();
    std::wstring text = zero[0][std::size_t(c - 1)];
    switch (kind) {
        case number_kind_integer_part: return text + L" целых";
        case number_kind_fraction_part: return text + L" десятых";
        case number_kind_rubles: return text + L" рублей";
        case number_kind_kopecks: return text + L" копеек";
        default: return text;
    }
}

// один/два, or their feminine forms, for the last unit word.
std::wstring_view unit_word(int index, int units, int gender) {
    if (units == 1) return k_one[std::size_t(index)][std::size_t(gender)];
    if (units == 2) return k_two[std::size_t(index)][std::size_t(gender)];
    return k_units[std::size_t(index)][std::size_t(units)];
}

// The noun after the integer or fraction part of a decimal. Declined as
// animate so that the accusative plural reads like the nominative's count
// form: "две целых", not "две целые". After тысяча, миллион … it is counted
// by that noun, which asks for the genitive plural in every case: "одной
// тысячей целых".
const std::wstring& decimal_noun(int group, int units, int c, bool after_scale_word) {
    constexpr std::size_t groups = std::size(fraction_words);
    static const auto forms = [] {
        // [group][0 after one, 1 after any other count][case]
        std::array<form_table<2>, groups> table;
        constexpr std::uint32_t animate = 1;
        for (std::size_t g = 0; g < groups; ++g)
            for (int k = 0; k < 6; ++k) {
                table[g][0][std::size_t(k)] = declined(fraction_words[g][0], k + 1, animate);
                table[g][1][std::size_t(k)] = k == 0
                                                  ? std::wstring(fraction_words[g][1])
                                                  : declined(fraction_words[g][2], k + 1, animate);
            }
        return table;
    }();
    // The genitive plural is the nominative's form after a count other than one.
    if (after_scale_word) return forms[std::size_t(group)][1][0];
    return forms[std::size_t(group)][units == 1 ? 0 : 1][std::size_t(c - 1)];
}

// рубль and копейка after a count: the genitive stands in for the nominative
// and the accusative, the singular after 2-4, the plural otherwise; after
// тысяча, миллион … the genitive plural in every case ("одним миллионом
// рублей").
std::wstring money_form(int group, std::size_t count, int c) {
    const bool direct = c == 1 || c == 4;
    if (count == 0) return declined(fraction_words[group][0], c);
    if (count == 1)
        return direct ? declined(fraction_words[group][0], 2)
                      : declined(fraction_words[group][1], c);
    return declined(fraction_words[group][1], direct ? 2 : c);
}

const std::wstring& money_noun(int group, int units, int c, bool after_scale_word) {
    // [0 rubles, 1 kopecks][count class][case]
    static const std::array<form_table<3>, 2> forms = [] {
        std::array<form_table<3>, 2> table;
        for (std::size_t kopecks = 0; kopecks < 2; ++kopecks)
            for (std::size_t count = 0; count < 3; ++count)
                for (int k = 0; k < 6; ++k)
                    table[kopecks][count][std::size_t(k)] =
                        money_form(kopecks ? k_kopeck_group : k_ruble_group, count, k + 1);
        return table;
    }();
    const auto& of_group = forms[group == k_kopeck_group ? 1 : 0];
    // The genitive plural stands in for the nominative after a count of five.
    if (after_scale_word) return of_group[2][0];
    return of_group[std::size_t(count_form(units))][std::size_t(c - 1)];
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
    // One blank between words: none before the first word, none after a
    // blank (the tables' empty entries and the blanks around the scale
    // words would leave runs), none at the end.
    std::wstring text;
    text.reserve(96);
    auto blank = [&] {
        if (!text.empty() && text.back() != L' ') text += L' ';
    };
    auto put = [&](std::wstring_view word) {
        const bool blank_before = word.starts_with(L' '),
                   blank_after = word.size() > 1 && word.ends_with(L' ');
        if (blank_before) blank();
        text += word.substr(blank_before, word.size() - blank_before - blank_after);
        if (blank_after) blank();
    };
    int first = 0;
    while (first < k_groups - 1 && groups[std::size_t(first)].empty()) ++first;
    for (int g = first; g < k_groups; ++g) {
        const digit_group& group = groups[std::size_t(g)];
        put(k_hundreds[std::size_t(index)][std::size_t(group.hundreds)]);
        blank();
        put(k_tens[std::size_t(index)][std::size_t(group.tens)]);
        blank();
        if (g == k_groups - 1) break;
        const bool thousands = g == k_groups - 2;
        put(thousands ? unit_word(index, group.units, k_feminine)
                      : k_units[std::size_t(index)][std::size_t(group.units)]);
        const auto& scale = k_scale_words[std::size_t(g)][std::size_t(index)];
        if (!group.empty())
            put(scale[std::size_t(count_form(group.units))]);
        else if (g > 0)
            blank();
    }

    const int units = groups[k_groups - 1].units;
    const bool after_scale_word = groups[k_groups - 1].empty();
    switch (kind) {
        case number_kind_integer_part:
        case number_kind_fraction_part:
            put(unit_word(index, units, k_feminine));
            blank();
            put(decimal_noun(denominator, units, c, after_scale_word));
            break;
        case number_kind_rubles:
        case number_kind_kopecks: {
            const bool rubles = kind == number_kind_rubles;
            put(unit_word(index, units, rubles ? 0 : k_feminine));
            blank();
            put(money_noun(rubles ? k_ruble_group : k_kopeck_group, units, c, after_scale_word));
            break;
        }
        default: put(k_units[std::size_t(index)][std::size_t(units)]);
    }
    while (!text.empty() && text.back() == L' ') text.pop_back();
    return text;
}

}  // namespace engine
