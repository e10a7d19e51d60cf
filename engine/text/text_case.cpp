#include "engine/text/text_case.h"

#include <unicode/uchar.h>

#include "engine/text/plain_text.h"

namespace engine {

namespace {
bool is_code_point(wchar_t c) { return c >= 0 && static_cast<unsigned long>(c) <= 0x10FFFF; }
}  // namespace

namespace text_case_detail {

wchar_t icu_lower(wchar_t c) {
    return is_code_point(c) ? static_cast<wchar_t>(u_tolower(static_cast<UChar32>(c))) : c;
}

wchar_t icu_upper(wchar_t c) {
    return is_code_point(c) ? static_cast<wchar_t>(u_toupper(static_cast<UChar32>(c))) : c;
}

bool icu_is_upper(wchar_t c) { return is_code_point(c) && u_isupper(static_cast<UChar32>(c)); }

bool icu_is_alpha(wchar_t c) { return is_code_point(c) && u_isalpha(static_cast<UChar32>(c)); }

}  // namespace text_case_detail

std::wstring to_lower(std::wstring text) {
    for (auto& c : text) c = to_lower_char(c);
    return text;
}

std::wstring to_upper(std::wstring text) {
    for (auto& c : text) c = to_upper_char(c);
    return text;
}

std::wstring folded_phrase(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        if (is_typed_space(c)) {
            if (!out.empty() && out.back() != L' ') out += L' ';
            continue;
        }
        const wchar_t lower = to_lower_char(c);
        out += lower == L'ё' ? L'е' : lower;
    }
    if (!out.empty() && out.back() == L' ') out.pop_back();
    return out;
}

}  // namespace engine
