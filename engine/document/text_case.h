// Letter case and letter tests per code point, through ICU's simple case
// mapping: the result never depends on the process locale and a mapped text
// always keeps its length.
#pragma once

#include <string>

namespace engine {

wchar_t to_lower_char(wchar_t c);
wchar_t to_upper_char(wchar_t c);
bool is_upper_char(wchar_t c);
bool is_alpha_char(wchar_t c);

std::wstring to_lower(std::wstring text);
std::wstring to_upper(std::wstring text);

}  // namespace engine
