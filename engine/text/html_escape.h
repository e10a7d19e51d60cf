// Escaping for text that reaches HTML: every value goes through one of these.
// `html_escape` is the one to use; the others keep what the stored templates
// and their value scripts rely on. (A value written inside a tag is escaped
// for its place by markup_position.h; a file name posted by a link row is a
// script string, block_fields.h.)
#pragma once

#include <string>
#include <string_view>

namespace engine {

// & < > " ' become character references.
std::wstring html_escape(std::wstring_view text);

// A field's value as it enters a page: runs of blanks become one blank, and
// exactly "'", "&", "<" and ">" are escaped, so that double quotes survive
// for the value scripts and organisation names that read them; a typed
// "&amp;" is text, never a reference.
std::wstring escape_field_value(std::wstring_view text);

// Undoes `html_escape` and `escape_field_value` (and &apos;), each reference
// once: "&amp;lt;" gives "&lt;".
std::wstring html_unescape(std::wstring_view text);

// A font face as it may stand in a style or a tag: quotes, markup and
// declaration characters and control characters are dropped.
std::wstring clean_font_face(std::wstring_view face);

}  // namespace engine
