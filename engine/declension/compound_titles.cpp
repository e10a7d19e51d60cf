#include "engine/declension/compound_titles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "engine/declension/decline_word.h"

namespace engine {

namespace {

// First parts that keep their form before the hyphen, some of them nouns of
// their own (генерал, шеф).
constexpr std::array<std::wstring_view, 19> fixed_elements = {
    L"бизнес",  L"вахт", L"вице",  L"генерал", L"гоф",   L"камер", L"контр",
    L"лейб",    L"обер", L"пресс", L"премьер", L"статс", L"унтер", L"фельд",
    L"флигель", L"шеф",  L"штаб",  L"штабс",   L"экс"};

bool is_animate_noun(std::wstring_view word) {
    std::uint32_t gender = 0, animate = 0;
    decline_word(std::wstring(word), 1, &gender, &animate);
    return animate == 1 && gender != 0;
}

}  // namespace

bool declines_before_hyphen(std::wstring_view first, std::wstring_view second) {
    if (std::find(fixed_elements.begin(), fixed_elements.end(), first) != fixed_elements.end())
        return false;
    return is_animate_noun(first) && is_animate_noun(second);
}

}  // namespace engine
