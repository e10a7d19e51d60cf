#include "engine/text/blank_text.h"

namespace engine {

std::wstring trim_blank_ends(const std::wstring& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank_char(text[begin])) ++begin;
    while (end > begin && is_blank_char(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::wstring single_spaces(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text)
        if (c != L' ' || out.empty() || out.back() != L' ') out += c;
    return out;
}

}  // namespace engine
