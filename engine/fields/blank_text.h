// Blanks as field and script text count them: space, tab and line breaks.
#pragma once

#include <string>

namespace engine {

bool is_blank_char(wchar_t c);

// The text without its leading and trailing blanks.
std::wstring trim_blank_ends(const std::wstring& text);

}  // namespace engine
