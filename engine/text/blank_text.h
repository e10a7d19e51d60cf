// Blanks as field and script text count them: space, tab and line breaks.
#pragma once

#include <string>

namespace engine {

inline bool is_blank_char(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// The text without its leading and trailing blanks.
std::wstring trim_blank_ends(const std::wstring& text);

}  // namespace engine
