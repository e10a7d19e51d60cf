#include "engine/fields/begins_with_word.h"

#include <string>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

std::wstring comparable(std::wstring_view text) {
    std::wstring key = make_word_key(text);
    for (wchar_t& c : key)
        if (c == L'ё') c = L'е';
    return key;
}

}  // namespace

bool begins_with_word(std::wstring_view value, std::wstring_view words) {
    const std::wstring value_key = comparable(value);
    for (const std::wstring& piece : split(words, L',')) {
        std::wstring word = comparable(piece);
        if (!word.empty() && word.back() == L'.') word.pop_back();
        if (word.empty() || !value_key.starts_with(word)) continue;
        const bool ends_in_letter = is_alpha_char(word.back());
        if (!ends_in_letter || value_key.size() == word.size() ||
            !is_alpha_char(value_key[word.size()]))
            return true;
    }
    return false;
}

}  // namespace engine
