#include "engine/declension/phrase_words.h"

#include <cstdint>

#include "engine/declension/decline_word.h"

namespace engine {

namespace {

constexpr std::wstring_view prepositions =
    L"_о_в_на_к_под_для_до_по_после_через_за_над_перед_у_от_";
// Two-letter endings after which a word may be an adjective, so the noun is
// still to come.
constexpr std::wstring_view adjective_endings = L"_ый_ая_ое_ые_ий_ой_яя_ее__";

}  // namespace

bool is_preposition(std::wstring_view word) {
    return prepositions.find(L"_" + std::wstring(word) + L"_") != std::wstring_view::npos;
}

bool is_preposition_piece(std::wstring_view word) {
    return prepositions.find(word) != std::wstring_view::npos;
}

bool is_short_noun(const std::wstring& word) {
    std::uint32_t gender = 0, animate = 0;
    const std::wstring genitive = decline_word(word, 2, &gender, &animate);
    if (gender < 1 || gender > 3) return false;
    for (std::wstring_view ending : {L"го", L"ой", L"ей", L"их", L"ых"})
        if (genitive.ends_with(ending)) return false;
    return true;
}

bool is_head_noun(const std::wstring& word) {
    if (word.size() < 4) return is_short_noun(word);
    if (word.ends_with(L"ие")) {
        // Plural adjectives in -ие go on to their noun; nouns (расторжение) end it.
        std::uint32_t gender = 0, animate = 0;
        decline_word(word, 0, &gender, &animate);
        return gender != 4;
    }
    if (adjective_endings.find(std::wstring_view(word).substr(word.size() - 2)) ==
        std::wstring_view::npos)
        return true;
    for (std::wstring_view noun : {L"осуществление", L"управление", L"взыскание"})
        if (word.find(noun) != std::wstring::npos) return true;
    return false;
}

std::size_t neighbour_word(const phrase_tokens& tokens, std::size_t i, int step) {
    const std::size_t blank = i + std::size_t(step), word = i + 2 * std::size_t(step);
    if (word >= tokens.size() || tokens.kinds[blank] != phrase_kind::separator ||
        tokens.typed[blank] != L" " || tokens.kinds[word] != phrase_kind::word)
        return no_word;
    return word;
}

}  // namespace engine
