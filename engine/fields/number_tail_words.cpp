#include "engine/fields/number_tail_words.h"

#include <array>
#include <vector>

#include "engine/fields/reading/reading_words.h"

namespace engine {

namespace {

using reading::word_row;

// The rows by their stem's first letter, in table order: every word of every
// typed value is looked up here.
class rows_by_letter {
public:
    rows_by_letter() {
        for (const word_row& row : reading::tail_words)
            buckets_[bucket_of(row.stem[0])].push_back(&row);
    }

    const word_row* find(std::wstring_view word) const {
        for (const word_row* row : buckets_[bucket_of(word[0])])
            if (reading::begins_with(word, row->stem) &&
                reading::has_ending(row->endings, word.substr(row->stem.size())))
                return row;
        return nullptr;
    }

private:
    static std::size_t bucket_of(wchar_t c) { return std::size_t(c) % 61; }
    std::array<std::vector<const word_row*>, 61> buckets_;
};

const word_row* find_row(std::wstring_view word) {
    if (word.empty()) return nullptr;
    static const rows_by_letter index;
    return index.find(word);
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
    if (word.size() != 3 || word[0] >= 0x80) return false;
    const word_row* row = find_row(word);
    return row && row->kind == tail_word::money;
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
