#include "engine/declension/turkic_patronymic.h"

#include <array>

#include "engine/text/text_case.h"

namespace engine {

namespace {

constexpr std::wstring_view daughter_marker = L"кызы";
constexpr std::array<std::wstring_view, 5> markers = {L"оглы", L"улы", L"уулу", L"угли",
                                                      daughter_marker};

bool equals_folded(std::wstring_view word, std::wstring_view lower) {
    if (word.size() != lower.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (to_lower_char(word[i]) != lower[i]) return false;
    return true;
}

}  // namespace

bool is_turkic_patronymic_marker(std::wstring_view word) {
    for (std::wstring_view marker : markers)
        if (equals_folded(word, marker)) return true;
    return false;
}

turkic_patronymic read_turkic_patronymic(std::wstring_view patronymic) {
    turkic_patronymic found;
    const std::size_t parting = patronymic.find_last_of(L" -");
    const std::size_t start = parting == std::wstring_view::npos ? 0 : parting + 1;
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
