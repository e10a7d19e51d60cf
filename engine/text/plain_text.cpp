#include "engine/text/plain_text.h"

namespace engine {

std::wstring_view trimmed(std::wstring_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

std::wstring_view trimmed_typed(std::wstring_view text) {
    while (!text.empty() && is_typed_space(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_typed_space(text.back())) text.remove_suffix(1);
    return text;
}

std::wstring& trim_blanks(std::wstring& text) {
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) --end;
    text.erase(end);
    std::size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) ++begin;
    text.erase(0, begin);
    return text;
}

std::wstring single_spaces(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text)
        if (c != L' ' || out.empty() || out.back() != L' ') out += c;
    return out;
}

std::vector<std::wstring> split(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring> pieces;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        pieces.emplace_back(
            text.substr(from, at == std::wstring_view::npos ? std::wstring_view::npos : at - from));
        if (at == std::wstring_view::npos) break;
        from = at + 1;
    }
    return pieces;
}

}  // namespace engine
