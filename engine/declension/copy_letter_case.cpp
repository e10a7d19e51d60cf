#include "engine/declension/copy_letter_case.h"

#include <string_view>

#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_reference_char(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'#';
}

// The length of the character reference at `start` ("&amp;", "&#1234;"), or 0.
std::size_t reference_length(const std::wstring& text, std::size_t start) {
    std::size_t i = start + 1;
    while (i < text.size() && i - start <= 32 && is_reference_char(text[i])) ++i;
    if (i == start + 1 || i >= text.size() || text[i] != L';') return 0;
    return i + 1 - start;
}

// Calls `visit` with each position of `text` whose character lies outside
// tags and references, in order, until it answers false. `visit` may change
// the character it is given.
template <typename Visit>
void visit_text_positions(const std::wstring& text, Visit visit) {
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
        if (!visit(i++)) return;
    }
}

enum class case_change { none, upper_all, upper_first, lower_all };

case_change wanted_change(std::wstring_view source) {
    bool first_upper = is_upper_char(source[0]);
    bool capital_seen = false;
    bool capitals_so_far = false;
    for (wchar_t c : source) {
        if (c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || (c >= L'0' && c <= L'9') ||
            c == L'_')
            continue;
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

void copy_letter_case(std::wstring_view source, std::wstring& target) {
    if (source.size() < 2 || target.size() < 2) return;
    std::size_t dot = source.rfind(L'.');
    if (dot != std::wstring_view::npos) source.remove_prefix(dot + 1);
    if (source.empty()) return;

    const case_change change = wanted_change(source);
    if (change == case_change::none) return;
    visit_text_positions(target, [&](std::size_t p) {
        target[p] =
            change == case_change::lower_all ? to_lower_char(target[p]) : to_upper_char(target[p]);
        return change != case_change::upper_first;
    });
}

}  // namespace engine
