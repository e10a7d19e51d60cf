#include "engine/declension/turkic_patronymic.h"

#include <array>

#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr std::wstring_view daughter_marker = L"кызы";
constexpr std::array<std::wstring_view, 5> markers = {L"оглы", L"улы", L"уулу", L"угли",
                                                      daughter_marker};
constexpr std::size_t shortest_marker = 3, longest_marker = 4;

bool equals_folded(std::wstring_view word, std::wstring_view lower) {
    if (word.size() != lower.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (to_lower_char(word[i]) != lower[i]) return false;
    return true;
}

}  // namespace

bool is_turkic_patronymic_marker(std::wstring_view word) {
    // Every name is read for a marker: most are turned away by their length.
    if (word.size() < shortest_marker || word.size() > longest_marker) return false;
    for (std::wstring_view marker : markers)
        if (equals_folded(word, marker)) return true;
    return false;
}

turkic_patronymic read_turkic_patronymic(std::wstring_view patronymic) {
    turkic_patronymic found;
    // Only a last word as long as a marker is compared, so an ordinary
    // patronymic costs a few letter tests.
    std::size_t start = patronymic.size();
    for (std::size_t length = shortest_marker; length <= longest_marker; ++length) {
        if (patronymic.size() < length) break;
        const std::size_t at = patronymic.size() - length;
        if (at == 0 || patronymic[at - 1] == L' ' || patronymic[at - 1] == L'-') {
            start = at;
            break;
        }
    }
    const std::wstring_view marker = patronymic.substr(start);
    if (!is_turkic_patronymic_marker(marker)) return found;
    found.found = true;
    found.daughter = equals_folded(marker, daughter_marker);
    std::wstring_view father = patronymic.substr(0, start);
    while (!father.empty() && (father.back() == L' ' || father.back() == L'-'))
        father.remove_suffix(1);
    found.father = father;
    return found;
}

}  // namespace engine
