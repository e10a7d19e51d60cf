#include "engine/text/text_replace.h"

namespace engine {

std::wstring& replace_all(std::wstring& text, std::wstring_view pattern,
                          std::wstring_view replacement) {
    if (pattern.empty()) return text;
    std::size_t position = text.find(pattern);
    while (position != std::wstring::npos) {
        text.replace(position, pattern.size(), replacement);
        position = text.find(pattern, position + replacement.size());
    }
    return text;
}

std::wstring& erase_all(std::wstring& text, std::wstring_view pattern) {
    return replace_all(text, pattern, {});
}

}  // namespace engine
