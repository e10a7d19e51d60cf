// The one escaping helper for text that reaches HTML or a script string.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// & < > " ' become character references.
std::wstring html_escape(std::wstring_view text);

}  // namespace engine
