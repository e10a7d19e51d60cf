#include "engine/document/word_key.h"

#include "engine/document/text_case.h"

namespace engine {

namespace {

bool is_word_blank(wchar_t c) { return c == L'\t' || c == L'\n' || c == L'\r' || c == L' '; }

// The same mapping as to_lower_char, answered without ICU for the Latin and
// basic Cyrillic letters that names are made of: every lookup compares one
// name with every parameter of a document.
wchar_t lower_letter(wchar_t c) {
    if (c < 0x80) return (c >= L'A' && c <= L'Z') ? wchar_t(c + 0x20) : c;
    if (c >= 0x0410 && c <= 0x042F) return wchar_t(c + 0x20);
    if (c >= 0x0430 && c <= 0x045F) return c;
    if (c >= 0x0400 && c <= 0x040F) return wchar_t(c + 0x50);
    return to_lower_char(c);
}

void drop_trailing_bars(std::wstring& text) {
    while (!text.empty() && text.back() == L'|') text.pop_back();
}

}  // namespace

std::wstring join_words(std::wstring text) {
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

std::wstring make_word_key(std::wstring text) {
    std::wstring key = to_lower(join_words(std::move(text)));
    drop_trailing_bars(key);
    return key;
}

bool word_key_equals(std::wstring_view text, std::wstring_view key) {
    std::size_t matched = 0;
    std::size_t pending_bars = 0;  // emitted only when a later character follows
    bool seen_word = false;
    bool previous_blank = false;
    for (wchar_t c : text) {
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
        if (matched >= key.size() || key[matched++] != lower_letter(c)) return false;
    }
    return matched == key.size();
}

}  // namespace engine
