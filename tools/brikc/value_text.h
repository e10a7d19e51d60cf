// How single values are spelled in a template source.
//
//   plain   the rest of the line, trailing blanks dropped
//   quoted  "..." with \\ \" \n \r \t, \uXXXX (one UTF-16 unit, so lone
//           surrogates can be written) and \UXXXXXXXX (a code point)
//   numbers decimal; reals also as #x and 16 hex digits (the exact bits)
//
// Every function that reads throws `source_error` with the given line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brikc {

// The text of a quoted value starting at `text[0] == '"'`; `end` receives
// the index after the closing quote.
std::wstring read_quoted(std::wstring_view text, std::size_t& end, int line);
// `text` as a quoted value that reads back to the same code points.
std::wstring write_quoted(std::wstring_view text);
// Characters a source writes only as escapes: controls, lone surrogates,
// line and paragraph separators, the byte-order mark.
bool needs_escape(wchar_t ch);
// Whether `text` can be written plain and read back unchanged.
bool plain_safe(std::wstring_view text);

std::uint16_t read_u16(std::wstring_view text, int line);
double read_real(std::wstring_view text, int line);
// Shortest decimal that reads back to the same bits, else the #x form.
std::wstring write_real(double value);

}  // namespace brikc
