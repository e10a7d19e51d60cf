#include "engine/fields/tidy_number_text.h"

namespace engine {

namespace {

bool is_digits(const std::wstring& text) {
    if (text.empty()) return false;
    for (wchar_t c : text)
        if (c < L'0' || c > L'9') return false;
    return true;
}

}  // namespace

std::wstring tidy_number_text(std::wstring text, int language) {
    if (text.empty()) return text;
    std::size_t point = text.find(L'.');
    std::wstring integer = text.substr(0, point);
    std::wstring fraction = point == std::wstring::npos ? std::wstring() : text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == L'0') fraction.pop_back();

    bool negative = !integer.empty() && integer[0] == L'-';
    std::wstring magnitude = negative ? integer.substr(1) : integer;
    // "inf", "nan" and the like are no numbers to show.
    if (!is_digits(magnitude) || (!fraction.empty() && !is_digits(fraction))) return L"0";
    if (negative && fraction.empty() && magnitude.find_first_not_of(L'0') == std::wstring::npos)
        return L"0";
    if (fraction.empty()) return integer;
    return integer + (language == 1 ? L"," : L".") + fraction;
}

}  // namespace engine
