#include "engine/declension/handlers/poltora.h"

#include <string_view>

namespace engine {

std::wstring decline_poltora(std::wstring word, int c, std::uint32_t counted_gender) {
    constexpr std::wstring_view hundred = L"ста";
    const bool with_hundred = word.ends_with(hundred);
    // The stem before the last letter of полтор-а/-ы (or before -аста).
    const std::size_t numeral_end = word.size() - (with_hundred ? hundred.size() : 0);
    if (numeral_end < 6) return word;
    const std::size_t stem_end = numeral_end - 1;
    const bool oblique = c == 2 || c == 3 || c == 5 || c == 6;
    if (!oblique) {
        if (c == 4 && !with_hundred && counted_gender == 2) word[stem_end] = L'ы';
        return word;
    }
    // полтор- becomes полутор-: the "у" goes in after the "л".
    word[stem_end] = L'а';
    word.insert(stem_end - 3, 1, L'у');
    return word;
}

}  // namespace engine
