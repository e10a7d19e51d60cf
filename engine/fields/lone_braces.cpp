#include "engine/fields/lone_braces.h"

#include <vector>

namespace engine {

namespace {

// A noncharacter, kept for a program's own use: no typed text means it.
constexpr wchar_t held_brace = L'\uFDD0';

// The positions of the "{" that no "}" closes.
std::vector<std::size_t> lone_braces(std::wstring_view value) {
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == L'{')
            open.push_back(i);
        else if (value[i] == L'}' && !open.empty())
            open.pop_back();
    }
    return open;
}

}  // namespace

bool holds_closed_brace(std::wstring_view value) {
    std::size_t open = 0;
    for (wchar_t c : value) {
        if (c == L'{')
            ++open;
        else if (c == L'}' && open > 0)
            return true;
    }
    return false;
}

std::wstring hold_lone_braces(std::wstring_view value) {
    std::wstring held(value);
    for (std::size_t i : lone_braces(value)) held[i] = held_brace;
    return held;
}

void release_lone_braces(std::wstring& text) {
    for (wchar_t& c : text)
        if (c == held_brace) c = L'{';
}

}  // namespace engine
