#include "core/region_language.h"

#include <array>
#include <cmath>

namespace core {

std::optional<double> language_from_region(const std::optional<std::wstring>& code) {
    if (!code || code->size() != 2) return std::nullopt;
    std::wstring upper;
    for (wchar_t c : *code) {
        if (c >= L'a' && c <= L'z') c = wchar_t(c - L'a' + L'A');
        if (c < L'A' || c > L'Z') return std::nullopt;
        upper += c;
    }
    static const std::array<std::wstring_view, 5> russian_regions{L"RU", L"BY", L"KZ", L"UA",
                                                                  L"UZ"};
    for (std::wstring_view region : russian_regions) {
        if (upper == region) return 1.0;
    }
    return 0.0;
}

double start_language(double stored,
                      const std::function<std::optional<std::wstring>()>& home_region) {
    try {
        if (home_region) {
            if (auto language = language_from_region(home_region())) return *language;
        }
    } catch (...) {
    }
    return stored;
}

int language_index(double language) {
    return std::isfinite(language) && std::trunc(language) == 1.0 ? 1 : 0;
}

}  // namespace core
