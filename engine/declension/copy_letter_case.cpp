#include "engine/declension/copy_letter_case.h"

#include <vector>

#include "engine/document/text_case.h"

namespace engine {

namespace {

bool is_reference_char(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'#';
}

// The length of the character reference at `start` ("&amp;", "&#1234;"), or 0.
std::size_t reference_length(const std::wstring& text, std::size_t start) {
    std::size_t i = start + 1;
    while (i < text.size() && i - start <= 32 && is_reference_char(text[i])) ++i;
    if (i == start + 1 || i >= text.size() || text[i] != L';') return 0;
    return i + 1 - start;
}

// Positions of the characters of `text` that lie outside tags and references.
std::vector<std::size_t> text_positions(const std::wstring& text) {
    std::vector<std::size_t> positions;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == L'<') {
            std::size_t close = text.find(L'>', i);
            if (close != std::wstring::npos) {
                i = close + 1;
                continue;
            }
        } else if (text[i] == L'&') {
            if (std::size_t length = reference_length(text, i)) {
                i += length;
                continue;
            }
        }
        positions.push_back(i++);
    }
    return positions;
}

enum class case_change { none, upper_all, upper_first, lower_all };

case_change wanted_change(const std::wstring& source) {
    bool first_upper = is_upper_char(source[0]);
    bool capital_seen = false;
    bool capitals_so_far = false;
    for (wchar_t c : source) {
        if (c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || (c >= L'0' && c <= L'9') || c == L'_') continue;
        if (is_upper_char(c)) {
            capital_seen = true;
            capitals_so_far = true;
            continue;
        }
        capitals_so_far = false;
        if (capital_seen) break;
    }
    if (first_upper) return capitals_so_far ? case_change::upper_all : case_change::upper_first;
    return capital_seen ? case_change::lower_all : case_change::none;
}

}  // namespace

void copy_letter_case(std::wstring source, std::wstring& target) {
    if (source.size() < 2 || target.size() < 2) return;
    std::size_t dot = source.rfind(L'.');
    if (dot != std::wstring::npos) source.erase(0, dot + 1);
    if (source.empty()) return;

    case_change change = wanted_change(source);
    if (change == case_change::none) return;
    std::vector<std::size_t> positions = text_positions(target);
    if (positions.empty()) return;
    switch (change) {
    case case_change::upper_all:
        for (std::size_t p : positions) target[p] = to_upper_char(target[p]);
        break;
    case case_change::upper_first: target[positions[0]] = to_upper_char(target[positions[0]]); break;
    case case_change::lower_all:
        for (std::size_t p : positions) target[p] = to_lower_char(target[p]);
        break;
    case case_change::none: break;
    }
}

}  // namespace engine
