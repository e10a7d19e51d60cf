// The one escaping helper for text that reaches HTML or a script string.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// & < > " ' become character references.
std::wstring html_escape(std::wstring_view text);

// A font face as it may stand in a style or a tag: quotes, markup and
// declaration characters and control characters are dropped.
std::wstring clean_font_face(std::wstring_view face);

}  // namespace engine
