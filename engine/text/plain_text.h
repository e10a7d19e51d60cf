// Blanks and digits, and the trimming and splitting built on them: the one
// definition of each that the engine reads texts by.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Blanks as field values, scripts, templates and rule tables count them:
// space, tab, line feed and carriage return. (Numbers read from text skip the
// C library's white space, which is more; see number_text.h.)
constexpr bool is_blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// A blank, or a no-break or narrow no-break space: what parts the words a
// clerk types.
constexpr bool is_typed_space(wchar_t c) { return is_blank(c) || c == L'\u00A0' || c == L'\u202F'; }

// A hyphen as typed: "-", or the Unicode hyphen or non-breaking hyphen.
constexpr bool is_hyphen(wchar_t c) { return c == L'-' || c == L'\u2010' || c == L'\u2011'; }

// "0" to "9" only.
constexpr bool is_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// `text` without its leading and trailing blanks.
std::wstring_view trimmed(std::wstring_view text);
// `text` without the typed spaces around it, no-break ones too.
std::wstring_view trimmed_typed(std::wstring_view text);
// The same in place; answers `text`.
std::wstring& trim_blanks(std::wstring& text);

// Each run of spaces as one space. Number words are built from tables whose
// empty entries leave such runs; a page would show one blank, but a copied
// text, a search or a saved file would keep them all.
std::wstring single_spaces(std::wstring_view text);

// The pieces of `text` between the `separator`s, empty ones included: "a,,b"
// gives "a", "" and "b"; an empty text gives one empty piece.
std::vector<std::wstring> split(std::wstring_view text, wchar_t separator);

}  // namespace engine
