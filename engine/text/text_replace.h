// In-place replacement of every occurrence of a pattern. An empty pattern
// changes nothing.
#pragma once

#include <string>
#include <string_view>

namespace engine {

// The search goes on after each inserted replacement, so a replacement that
// contains the pattern is not replaced again.
std::wstring& replace_all(std::wstring& text, std::wstring_view pattern,
                          std::wstring_view replacement);
std::wstring& erase_all(std::wstring& text, std::wstring_view pattern);

}  // namespace engine
