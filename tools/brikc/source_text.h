// Template sources are UTF-8 text files. Decoding is strict: a source with a
// malformed byte sequence is refused at its line instead of being read with
// replacement characters that would end up in a template.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brikc {

// The lines of `bytes` as code points, without their line ends (LF or CR LF).
// A leading byte-order mark is skipped. Throws `source_error` on invalid UTF-8.
std::vector<std::wstring> decode_source_lines(std::string_view bytes);

// UTF-8 of code points that UTF-8 can hold; anything else must have been
// escaped by the caller.
std::string encode_utf8(std::wstring_view text);

}  // namespace brikc
