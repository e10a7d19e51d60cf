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

}  // namespace

bool is_none_word(std::wstring_view text) {
    text = trimmed(text);
    // No word of the list is this long, however it is spaced.
    if (text.size() > 64) return false;
    const std::wstring folded = folded_phrase(text);
    for (std::wstring_view word : none_words)
        if (folded == word) return true;
    return false;
}

}  // namespace engine
