// Blanks as field and script text count them: space, tab and line breaks.
#pragma once

#include <string>

namespace engine {

inline bool is_blank_char(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// The text without its leading and trailing blanks.
std::wstring trim_blank_ends(const std::wstring& text);

// Each run of spaces as one space. Number words are built from tables whose
// empty entries leave such runs; a page would show one blank, but a copied
// text, a search or a saved file would keep them all.
std::wstring single_spaces(const std::wstring& text);

}  // namespace engine
