#include "engine/fields/begins_with_word.h"

#include <string>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

std::wstring comparable(std::wstring_view text, bool exactly) {
    std::wstring key = exactly ? join_words(text) : make_word_key(text);
    for (wchar_t& c : key) {
        if (c == L'ё') c = L'е';
        if (c == L'Ё') c = L'Е';
    }
    return key;
}

// Whether the value's word that matched a word ending in a letter ends at
// `end`: a letter or a hyphen right after it carries it on («Гатчина»,
// "NO-5"), and so does a hyphen and a letter after its point, a name of its
// own («С.-Петербург»); "г.Москва" and "No.-8" end at the point.
bool word_ends_at(std::wstring_view value, std::size_t end) {
    if (end >= value.size()) return true;
    if (value[end] == L'.')
        return end + 2 >= value.size() || !is_hyphen(value[end + 1]) ||
               !is_alpha_char(value[end + 2]);
    return !is_alpha_char(value[end]) && !is_hyphen(value[end]);
}

}  // namespace

bool begins_with_word(std::wstring_view value, std::wstring_view words, bool exactly) {
    const std::wstring value_key = comparable(value, exactly);
    for (const std::wstring& piece : split(words, L',')) {
        std::wstring word = comparable(piece, exactly);
        if (!word.empty() && word.back() == L'.') word.pop_back();
        if (word.empty() || !value_key.starts_with(word)) continue;
        if (!is_alpha_char(word.back()) || word_ends_at(value_key, word.size())) return true;
    }
    return false;
}

}  // namespace engine
