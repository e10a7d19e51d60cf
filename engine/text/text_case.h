// Letter case and letter tests per code point, through ICU's simple case
// mapping: the result never depends on the process locale and a mapped text
// always keeps its length.
#pragma once

#include <string>

namespace engine {

namespace text_case_detail {
wchar_t icu_lower(wchar_t c);
wchar_t icu_upper(wchar_t c);
bool icu_is_upper(wchar_t c);
bool icu_is_alpha(wchar_t c);

// ASCII and the basic Cyrillic block (U+0400-U+045F), which nearly every
// name and keyword is made of, are answered here with ICU's own results;
// every lookup and keyword test maps its letters one by one.
constexpr bool is_basic_cyrillic(wchar_t c) { return c >= 0x0400 && c <= 0x045F; }
}  // namespace text_case_detail

inline wchar_t to_lower_char(wchar_t c) {
    using namespace text_case_detail;
    if (c < 0x80) return (c >= L'A' && c <= L'Z') ? wchar_t(c + 0x20) : c;
    if (!is_basic_cyrillic(c)) return icu_lower(c);
    if (c >= 0x0430) return c;
    return c >= 0x0410 ? wchar_t(c + 0x20) : wchar_t(c + 0x50);
}

inline wchar_t to_upper_char(wchar_t c) {
    using namespace text_case_detail;
    if (c < 0x80) return (c >= L'a' && c <= L'z') ? wchar_t(c - 0x20) : c;
    if (!is_basic_cyrillic(c)) return icu_upper(c);
    if (c < 0x0430) return c;
    return c < 0x0450 ? wchar_t(c - 0x20) : wchar_t(c - 0x50);
}

inline bool is_upper_char(wchar_t c) {
    using namespace text_case_detail;
    if (c < 0x80) return c >= L'A' && c <= L'Z';
    return is_basic_cyrillic(c) ? c < 0x0430 : icu_is_upper(c);
}

inline bool is_alpha_char(wchar_t c) {
    using namespace text_case_detail;
    if (c < 0x80) return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
    return is_basic_cyrillic(c) || icu_is_alpha(c);
}

std::wstring to_lower(std::wstring text);
std::wstring to_upper(std::wstring text);

// A letter as closed lists of words are written: lower case, ё as е.
inline wchar_t folded_letter(wchar_t c) {
    c = to_lower_char(c);
    return c == L'ё' ? L'е' : c;
}

// A typed phrase as it is compared with a closed list of words: lower case,
// ё as е, each run of blanks and no-break spaces one blank, none at either
// end.
std::wstring folded_phrase(std::wstring_view text);

}  // namespace engine
