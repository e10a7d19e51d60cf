#include "engine/declension/words_after_noun.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/declension/decline_word.h"
#include "engine/declension/phrase_words.h"

namespace engine {

namespace {

// The nominative endings of an adjective or participle, by the gender code
// of its noun (masculine, feminine, neuter, plural); -ся ends a reflexive
// participle (находящийся).
constexpr std::array<std::array<std::wstring_view, 4>, 4> nominative_endings = {{
    {L"ый", L"ий", L"ой", L"ийся"},
    {L"ая", L"яя", L"аяся", L""},
    {L"ое", L"ее", L"ееся", L""},
    {L"ые", L"ие", L"иеся", L""},
}};

bool ends_as_adjective_of(std::wstring_view word, std::uint32_t gender) {
    if (word.size() < 4 || gender < 1 || gender > nominative_endings.size()) return false;
    for (std::wstring_view ending : nominative_endings[gender - 1])
        if (!ending.empty() && word.ends_with(ending)) return true;
    return false;
}

bool ends_as_adjective(std::wstring_view word) {
    for (std::uint32_t gender = 1; gender <= nominative_endings.size(); ++gender)
        if (ends_as_adjective_of(word, gender)) return true;
    return false;
}

// The gender the word lists give a word, read with ё as е (the lists spell
// it so); 0 when they do not know it.
std::uint32_t gender_of(std::wstring word) {
    for (wchar_t& letter : word)
        if (letter == L'ё') letter = L'е';
    std::uint32_t gender = 0, animate = 0;
    decline_word(std::move(word), 0, &gender, &animate);
    return gender;
}

// The word one blank after token i, or after a comma and a blank when
// `comma` is set; typed in small letters or in capitals (a capitalised word
// is a name).
std::size_t word_after(const phrase_tokens& tokens, std::size_t i, bool comma) {
    if (comma && i + 1 < tokens.size() && tokens.kinds[i + 1] == phrase_kind::point &&
        tokens.typed[i + 1] == L",")
        ++i;
    const std::size_t next = neighbour_word(tokens, i, 1);
    return next == no_word || tokens.classes[next] == word_class::capitalised ? no_word : next;
}

bool is_noun(const std::wstring& word) {
    if (is_preposition(word) || ends_as_adjective(word)) return false;
    const std::uint32_t gender = gender_of(word);
    return gender >= 1 && gender <= 4 && is_head_noun(word);
}

}  // namespace

std::size_t last_word_agreeing_after(const phrase_tokens& tokens, std::size_t noun) {
    std::size_t next = word_after(tokens, noun, true);
    if (next == no_word || !ends_as_adjective(tokens.texts[next])) return noun;
    const std::uint32_t gender = gender_of(tokens.texts[noun]);
    if (gender < 1 || gender > 4) return noun;
    std::size_t last = noun;
    for (; next != no_word; next = word_after(tokens, next, false)) {
        const std::wstring& word = tokens.texts[next];
        if (!ends_as_adjective_of(word, gender) || gender_of(word) != gender) break;
        const std::size_t after = word_after(tokens, next, false);
        if (after != no_word && is_noun(tokens.texts[after])) break;
        last = next;
    }
    return last;
}

}  // namespace engine
