#include "engine/fields/lone_braces.h"

#include <vector>

namespace engine {

namespace {

// A noncharacter, kept for a program's own use: no typed text means it.
constexpr wchar_t held_brace = L'\uFDD0';

}  // namespace

bool holds_closed_brace(std::wstring_view value) {
    const std::size_t open = value.find(L'{');
    return open != std::wstring_view::npos && value.find(L'}', open + 1) != std::wstring_view::npos;
}

bool hold_lone_braces(std::wstring& source) {
    // Braces matched by nesting, a "}" closing the nearest "{" still open;
    // the search leaps from brace to brace over the text between.
    std::vector<std::size_t> open;
    std::size_t next_open = source.find(L'{');
    std::size_t next_close = source.find(L'}', next_open);
    while (next_open != std::wstring::npos) {
        if (next_close < next_open) {
            if (!open.empty()) open.pop_back();
            next_close = source.find(L'}', next_close + 1);
        } else {
            open.push_back(next_open);
            next_open = source.find(L'{', next_open + 1);
        }
    }
    // After the last "{", each "}" closes one more.
    for (; !open.empty() && next_close != std::wstring::npos;
         next_close = source.find(L'}', next_close + 1))
        open.pop_back();
    for (const std::size_t at : open) source[at] = held_brace;
    return !open.empty();
}

void release_lone_braces(std::wstring& text) {
    for (std::size_t at = text.find(held_brace); at != std::wstring::npos;
         at = text.find(held_brace, at + 1))
        text[at] = L'{';
}

}  // namespace engine
