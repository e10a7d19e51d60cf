// Writing a saved document: the whole file or nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// UTF-8 without a byte-order mark; a code point that UTF-8 cannot carry (a
// lone surrogate, a value past U+10FFFF) becomes U+FFFD.
std::string utf8_of(std::wstring_view text);

// Writes the bytes as the file `path` through engine::replace_file. Throws
// std::runtime_error (the temporary file removed, an existing file at `path`
// untouched) when any step fails.
void write_file_atomically(const std::wstring& path, std::string_view bytes);

}  // namespace ui
