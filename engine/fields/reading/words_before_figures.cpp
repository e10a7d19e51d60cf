#include "engine/fields/reading/words_before_figures.h"

#include <array>

#include "engine/declension/number_words.h"
#include "engine/fields/number_field.h"
#include "engine/fields/number_words_en.h"
#include "engine/fields/reading/text_marks.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_group_mark(wchar_t c) { return is_typed_space(c) || c == L',' || c == L'.'; }

// Hyphens as blanks and no English "and", so that words typed and words made
// compare ("one hundred and twenty-one").
std::wstring folded_words(std::wstring_view words) {
    std::wstring spaced(words);
    for (wchar_t& c : spaced)
        if (is_hyphen(c)) c = L' ';
    std::wstring out;
    for (const std::wstring& word : split(folded_phrase(spaced), L' ')) {
        if (word == L"and") continue;
        if (!out.empty()) out += L' ';
        out += word;
    }
    return out;
}

// Whether `words` spell the whole number of `digits`.
bool words_spell(std::wstring_view words, const std::wstring& digits) {
    const std::wstring typed = folded_words(words);
    if (typed.empty()) return false;
    if (!reading::holds_cyrillic(words)) return typed == folded_words(number_words_en(digits, 0));
    const std::wstring masculine = number_words_in_case(digits, 1, 1);
    for (std::uint32_t gender : {1u, 2u, 3u}) {
        std::wstring made = masculine;
        agree_number_gender(made, gender, 1);
        if (typed == folded_words(made)) return true;
    }
    return false;
}

// The end of the figures from `at`: digits whose groups after the first hold
// three each; `digits` gets them without their marks. None when there are
// none or a group is of another size.
std::optional<std::size_t> whole_figures(std::wstring_view text, std::size_t at,
                                         std::wstring& digits) {
    std::size_t run = 0;
    bool grouped = false;
    for (; at < text.size(); ++at) {
        if (is_digit(text[at])) {
            digits += text[at];
            ++run;
        } else if (is_group_mark(text[at]) && at + 1 < text.size() && is_digit(text[at + 1]) &&
                   run > 0 && (!grouped || run == 3)) {
            grouped = true;
            run = 0;
        } else {
            break;
        }
    }
    if (digits.empty() || (grouped && run != 3)) return std::nullopt;
    return at;
}

}  // namespace

std::optional<words_before_figures> find_words_before_figures(std::wstring_view text) {
    std::size_t at = 0;
    while (at < text.size() && is_typed_space(text[at])) ++at;
    const std::size_t words_start = at;
    while (at < text.size() &&
           (is_alpha_char(text[at]) || is_typed_space(text[at]) || is_hyphen(text[at])))
        ++at;
    if (at == words_start || !is_alpha_char(text[words_start]) || at == text.size() ||
        text[at] != L'(')
        return std::nullopt;
    const std::wstring_view words = text.substr(words_start, at - words_start);
    ++at;
    while (at < text.size() && is_typed_space(text[at])) ++at;
    words_before_figures found;
    found.figures_start = at;
    std::wstring digits;
    const std::optional<std::size_t> end = whole_figures(text, at, digits);
    if (!end) return std::nullopt;
    found.figures_end = *end;
    at = *end;
    while (at < text.size() && is_typed_space(text[at])) ++at;
    if (at == text.size() || text[at] != L')') return std::nullopt;
    found.after_bracket = at + 1;
    if (digits.size() > 20 || !words_spell(words, digits)) return std::nullopt;
    return found;
}

std::wstring figures_and_what_follows(std::wstring_view text, const words_before_figures& found) {
    return std::wstring(text.substr(found.figures_start, found.figures_end - found.figures_start)) +
           std::wstring(text.substr(found.after_bracket));
}

}  // namespace engine
