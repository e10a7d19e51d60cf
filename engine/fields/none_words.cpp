#include "engine/fields/none_words.h"

#include <array>
#include <string>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

// Lower case, ё as е, one blank between words.
// clang-format off
constexpr std::array<std::wstring_view, 17> none_words = {
    L"нет", L"не устанавливается", L"не установлен", L"не установлена", L"не установлено",
    L"без испытания", L"не предусмотрен", L"не предусмотрена", L"не предусмотрено",
    L"отсутствует", L"-", L"\u2014", L"\u2013", L"no", L"none", L"nil", L"n/a",
};
// clang-format on

bool is_space(wchar_t c) { return is_blank(c) || c == L'\u00A0' || c == L'\u202F'; }

}  // namespace

bool is_none_word(std::wstring_view text) {
    std::wstring folded;
    for (wchar_t c : text) {
        if (is_space(c)) {
            if (!folded.empty() && folded.back() != L' ') folded += L' ';
            continue;
        }
        const wchar_t lower = to_lower_char(c);
        folded += lower == L'ё' ? L'е' : lower;
        // No word of the list is this long.
        if (folded.size() > 24) return false;
    }
    if (!folded.empty() && folded.back() == L' ') folded.pop_back();
    for (std::wstring_view word : none_words)
        if (folded == word) return true;
    return false;
}

}  // namespace engine
