#include "engine/text/word_key.h"

#include <algorithm>

#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_word_blank(wchar_t c) { return c == L'\t' || c == L'\n' || c == L'\r' || c == L' '; }

void drop_trailing_bars(std::wstring& text) {
    while (!text.empty() && text.back() == L'|') text.pop_back();
}

}  // namespace

std::wstring join_words(std::wstring_view text) {
    std::wstring joined;
    joined.reserve(text.size());
    bool seen_word = false;
    bool previous_blank = false;
    for (wchar_t c : text) {
        if (is_word_blank(c)) {
            if (seen_word && !previous_blank) joined += L'|';
            previous_blank = true;
        } else {
            joined += c;
            seen_word = true;
            previous_blank = false;
        }
    }
    drop_trailing_bars(joined);
    return joined;
}

std::wstring make_word_key(std::wstring_view text) {
    std::wstring key = join_words(text);
    for (wchar_t& c : key) c = to_lower_char(c);
    drop_trailing_bars(key);
    return key;
}

bool word_key_equals(std::wstring_view text, std::wstring_view key) {
    // Most names differ from the key within their first word: compare that
    // word's characters one to one before tracking blanks and bars.
    std::size_t matched = 0;
    const std::size_t common = std::min(text.size(), key.size());
    while (matched < common && !is_word_blank(text[matched]) && text[matched] != L'|') {
        if (to_lower_char(text[matched]) != key[matched]) return false;
        ++matched;
    }
    std::size_t pending_bars = 0;  // emitted only when a later character follows
    bool seen_word = matched > 0;
    bool previous_blank = false;
    for (wchar_t c : text.substr(matched)) {
        if (is_word_blank(c)) {
            if (seen_word && !previous_blank) ++pending_bars;
            previous_blank = true;
            continue;
        }
        seen_word = true;
        previous_blank = false;
        if (c == L'|') {
            ++pending_bars;
            continue;
        }
        for (; pending_bars > 0; --pending_bars)
            if (matched >= key.size() || key[matched++] != L'|') return false;
        if (matched >= key.size() || key[matched++] != to_lower_char(c)) return false;
    }
    return matched == key.size();
}

}  // namespace engine
