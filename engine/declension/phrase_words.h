// Tests on single words that the phrase code shares: the prepositions and
// head nouns that end declining, and the word one blank away from a token.
//
// Any thread; reads only its arguments.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/declension/phrase.h"

namespace engine {

// Whether `word` is a whole preposition of the list (о, в, на, под …).
bool is_preposition(std::wstring_view word);

// Whether `word` occurs anywhere in the preposition list, any piece of an
// entry counting (ре out of через): such a word ends declining.
bool is_preposition_piece(std::wstring_view word);

// A word of two or three letters that ends declining as a noun: the word
// lists know it and its genitive is no adjective's or pronoun's (цех, акт;
// not наш, тот, эта, все).
bool is_short_noun(const std::wstring& word);

// Whether declining stops after this declined word: it is taken for the head
// noun, as no adjective ending marks it.
bool is_head_noun(const std::wstring& word);

inline constexpr std::size_t no_word = std::wstring::npos;

// The word one blank after (`step` 1) or before (`step` -1) token i, or
// no_word.
std::size_t neighbour_word(const phrase_tokens& tokens, std::size_t i, int step);

}  // namespace engine
