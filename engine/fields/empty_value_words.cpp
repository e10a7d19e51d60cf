#include "engine/fields/empty_value_words.h"

#include <algorithm>
#include <array>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

// clang-format off
constexpr std::array<std::wstring_view, 12> empty_values = {
    L"нет", L"нету", L"-", L"–", L"—", L"--", L"н/а", L"н/д",
    L"n/a", L"na", L"none", L"nil",
};
// clang-format on

}  // namespace

bool means_empty_value(std::wstring_view value) {
    value = trimmed_typed(value);
    if (value.size() > 1 && value.back() == L'.') value.remove_suffix(1);
    if (value.empty() || value.size() > 5) return false;
    const std::wstring folded = to_lower(std::wstring(value));
    return std::find(empty_values.begin(), empty_values.end(), folded) != empty_values.end();
}

}  // namespace engine
