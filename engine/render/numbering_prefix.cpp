#include <string_view>

#include "engine/render/numbering.h"
#include "engine/text/number_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr wchar_t russian_upper_a = 0x0410;
constexpr wchar_t russian_lower_a = 0x0430;

void clear(numbering_counter_set& counters, std::initializer_list<numbering_counter> which) {
    for (auto c : which) counters[c] = 0;
}

std::uint32_t at_least_one(std::uint32_t value) { return value == 0 ? 1 : value; }

std::uint32_t capped_step(std::uint32_t value) { return value >= 30 ? 30 : value + 1; }

std::wstring number(std::uint32_t value) { return format_int(value); }

// Letters run on past the alphabet into the next code points.
wchar_t letter(wchar_t first, std::uint32_t count) {
    return static_cast<wchar_t>(first + (count - 1));
}

std::wstring lower_roman(std::uint32_t count) {
    return to_lower(std::wstring(roman_numerals[count - 1]));
}

}  // namespace

std::wstring numbering_prefix(int kind, numbering_counter_set& counters, int language) {
    int k = kind;
    if (k >= 1000) k -= 1000;
    if (k >= 100) {
        counters.fill(0);
        k -= 100;
    }
    const bool russian = language == 1;
    auto& c = counters;
    std::wstring prefix;
    switch (k) {
        case 0: return prefix;
        case 1:
            ++c[level1];
            prefix = number(c[level1]) + L".";
            clear(c, {level2, level3, sub, roman});
            break;
        case 2:
            ++c[level2];
            c[level1] = at_least_one(c[level1]);
            prefix = number(c[level1]) + L"." + number(c[level2]) + L".";
            clear(c, {level3, sub, roman});
            break;
        case 3:
            ++c[level3];
            c[level1] = at_least_one(c[level1]);
            c[level2] = at_least_one(c[level2]);
            prefix = number(c[level1]) + L"." + number(c[level2]) + L"." + number(c[level3]) + L".";
            clear(c, {sub, roman});
            break;
        case 4:
            ++c[sub];
            prefix = number(c[sub]) + L")";
            clear(c, {roman});
            break;
        case 5:
            c[top] = capped_step(c[top]);
            prefix = std::wstring(roman_numerals[c[top] - 1]) + L".";
            break;
        case 6:
            c[roman] = capped_step(c[roman]);
            prefix = lower_roman(c[roman]) + L".";
            break;
        case 7:
            c[roman] = capped_step(c[roman]);
            prefix = lower_roman(c[roman]) + L")";
            break;
        case 8:
            c[roman] = capped_step(c[roman]);
            prefix = L"(" + lower_roman(c[roman]) + L")";
            break;
        case 9:
            ++c[top];
            prefix = {letter(russian ? russian_upper_a : L'A', c[top]), L'.'};
            clear(c, {roman});
            break;
        case 10:
        case 11:
            ++c[sub];
            prefix = {letter(russian ? russian_lower_a : L'a', c[sub]), k == 10 ? L'.' : L')'};
            clear(c, {roman});
            break;
        case 12:
            if (russian) {
                ++c[sub];
                prefix = {L'(', letter(russian_lower_a, c[sub]), L')'};
                clear(c, {roman});
            }
            break;
        case 13:
        case 18: prefix = L"-"; break;
        case 14:
        case 16:
            ++c[sub];
            prefix = number(c[sub]);
            clear(c, {roman});
            break;
        case 15:
        case 17:
            ++c[top];
            prefix = number(c[top]);
            clear(c, {roman});
            break;
        case 19:
        case 20:
            ++c[sub];
            prefix = {letter(russian_lower_a, c[sub]), k == 19 ? L'.' : L')'};
            clear(c, {roman});
            break;
        default: break;
    }
    prefix += L"&nbsp;";
    return prefix;
}

}  // namespace engine
