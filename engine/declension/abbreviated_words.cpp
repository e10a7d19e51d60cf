#include "engine/declension/abbreviated_words.h"

#include <array>

#include "engine/declension/governing_participles.h"
#include "engine/declension/phrase_words.h"

namespace engine {

namespace {

// Longer cut-off words are told from a sentence's last word by the small
// letter after the point.
constexpr std::size_t longest_short_cut = 4;

struct cut_off_word {
    std::wstring_view cut;
    std::wstring_view full;
};

// Cut-off words of job titles that stand for a head noun or a governing
// participle.
// clang-format off
constexpr std::array<cut_off_word, 12> heading_words = {{
    {L"зам",  L"заместитель"},  {L"нач",  L"начальник"},   {L"пом",  L"помощник"},
    {L"рук",  L"руководитель"}, {L"пред", L"председатель"}, {L"дир",  L"директор"},
    {L"спец", L"специалист"},   {L"инж",  L"инженер"},     {L"бух",  L"бухгалтер"},
    {L"секр", L"секретарь"},    {L"зав",  L"заведующий"},  {L"упр",  L"управляющий"},
}};
// clang-format on

const cut_off_word* heading_word(std::wstring_view word) {
    for (const cut_off_word& row : heading_words)
        if (row.cut == word) return &row;
    return nullptr;
}

}  // namespace

bool is_cut_off_word(const phrase_tokens& tokens, std::size_t i, std::size_t& next) {
    const std::size_t point = i + 1;
    next = no_word;
    if (point >= tokens.size() || tokens.kinds[i] != phrase_kind::word ||
        tokens.kinds[point] != phrase_kind::point || tokens.typed[point] != L".")
        return false;
    // At the end a point may end a sentence: only the listed words are cut.
    if (point + 1 == tokens.size()) return heading_word(tokens.texts[i]) != nullptr;
    std::size_t after = point + 1;
    if (tokens.kinds[after] == phrase_kind::separator && tokens.typed[after] == L" ") ++after;
    if (after >= tokens.size() || tokens.kinds[after] != phrase_kind::word) return false;
    // A long word before a capital ends a sentence (директор. Иванов).
    if (tokens.texts[i].size() > longest_short_cut &&
        tokens.classes[after] != word_class::lower_or_mixed)
        return false;
    next = after;
    return true;
}

bool cut_off_word_heads_title(std::wstring_view word, std::wstring_view next) {
    const cut_off_word* row = heading_word(word);
    if (!row) return false;
    return !is_governing_participle(row->full) || participle_heads_title(row->full, next);
}

}  // namespace engine
