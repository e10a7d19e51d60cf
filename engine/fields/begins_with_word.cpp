#include "engine/fields/begins_with_word.h"

#include <string>
#include <vector>

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

bool begins_with_one_of(std::wstring_view value_key, const std::vector<std::wstring>& words) {
    for (const std::wstring& word : words) {
        if (!value_key.starts_with(word)) continue;
        if (!is_alpha_char(word.back()) || word_ends_at(value_key, word.size())) return true;
    }
    return false;
}

// The first word of the value when it is an adjective with one of `endings`
// («Московская», «Ханты-Мансийский»): letters and hyphens only, so a word
// with its comma or point after it ends the part that decides.
std::size_t adjective_length(std::wstring_view value_key,
                             const std::vector<std::wstring>& endings) {
    const std::size_t end = value_key.find(L'|');
    if (end == std::wstring_view::npos) return 0;
    const std::wstring_view word = value_key.substr(0, end);
    for (wchar_t c : word)
        if (!is_alpha_char(c) && !is_hyphen(c)) return 0;
    for (const std::wstring& ending : endings)
        if (word.size() > ending.size() && word.ends_with(ending)) return end + 1;
    return 0;
}

}  // namespace

bool begins_with_word(std::wstring_view value, std::wstring_view words, bool exactly) {
    std::vector<std::wstring> listed;
    std::vector<std::wstring> endings;
    for (const std::wstring& piece : split(words, L',')) {
        std::wstring word = comparable(piece, exactly);
        if (!word.empty() && word.back() == L'.') word.pop_back();
        if (word.size() > 1 && is_hyphen(word.front()))
            endings.push_back(word.substr(1));
        else if (!word.empty())
            listed.push_back(std::move(word));
    }
    const std::wstring value_key = comparable(value, exactly);
    if (begins_with_one_of(value_key, listed)) return true;
    const std::size_t after = endings.empty() ? 0 : adjective_length(value_key, endings);
    return after > 0 && begins_with_one_of(std::wstring_view(value_key).substr(after), listed);
}

}  // namespace engine
