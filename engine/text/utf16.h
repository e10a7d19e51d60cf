// Text at the file boundary. In memory a text is std::wstring holding code
// points; files hold UTF-16LE (documents, settings, value lists) or UTF-8
// (saved pages).
//
// The UTF-16 conversion is lossless for every file: a surrogate pair becomes
// one code point and a lone surrogate keeps its value, so a text read and
// written back gives the same units. A value above U+10FFFF is written as
// U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace engine {

std::wstring from_utf16(std::u16string_view units);
std::u16string to_utf16(std::wstring_view text);
// The number of UTF-16 units `text` takes.
std::size_t utf16_length(std::wstring_view text);

// UTF-8; a lone surrogate or an invalid value is written as U+FFFD, and an
// invalid byte sequence reads as U+FFFD.
std::string to_utf8(std::wstring_view text);
std::wstring from_utf8(std::string_view bytes);

}  // namespace engine
