#include "engine/fields/number_tail_words.h"

#include "engine/fields/reading/reading_words.h"

namespace engine {

namespace {

using reading::word_row;

bool has_ending(std::wstring_view endings, std::wstring_view rest) {
    for (;;) {
        const std::size_t bar = endings.find(L'|');
        if (endings.substr(0, bar) == rest) return true;
        if (bar == std::wstring_view::npos) return false;
        endings.remove_prefix(bar + 1);
    }
}

const word_row* find_row(std::wstring_view word) {
    for (const word_row& row : reading::tail_words)
        if (word.starts_with(row.stem) && has_ending(row.endings, word.substr(row.stem.size())))
            return &row;
    return nullptr;
}

}  // namespace

tail_word_meaning tail_word_of(std::wstring_view word) {
    const word_row* row = find_row(word);
    if (!row) return {};
    return {row->kind, row->zeros, row->marks, row->read_with_unit_only};
}

bool is_number_word(std::wstring_view word) {
    // «и» joins the words; as a beginning it would let «или» in.
    if (word == L"и") return true;
    for (std::wstring_view stem : reading::number_word_stems)
        if (word.starts_with(stem)) return true;
    return false;
}

bool is_currency_code(std::wstring_view word) {
    const word_row* row = find_row(word);
    return row && row->kind == tail_word::money && word.size() == 3 && word[0] < 0x80;
}

std::uint32_t currency_of_sign(wchar_t c) {
    switch (c) {
        case L'$': return currency_mark::dollar;
        case L'\u20AC': return currency_mark::euro;
        case L'\u00A3': return currency_mark::pound;
        case L'\u20BD': return currency_mark::rouble;
        case L'\u00A2': return currency_mark::cent;
        default: return 0;
    }
}

}  // namespace engine
