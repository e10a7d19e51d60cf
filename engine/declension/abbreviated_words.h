// Words cut off by a point in a job title (ген. директор, зам. начальника
// отдела, зав. складом): they stay as typed, and the words after them
// decline as they would after the full word.
//
// Any thread; reads only its arguments.
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/declension/phrase.h"

namespace engine {

// Whether word token i is cut off by a point: a word follows the point,
// directly or after one blank (ген. директор, ген.директор, коммерч.
// директор; a word of five letters or more only before a small letter), and
// its index goes to `next`; or the point ends the text after a word that heads a title
// (гл. бух.), and `next` is no_word.
bool is_cut_off_word(const phrase_tokens& tokens, std::size_t i, std::size_t& next);

// Whether the cut-off `word` stands for a word that heads a job title, so
// declining stops after it: a noun (зам., нач., пом.) or a participle that
// governs `next`, the word after the point, empty when none (зав. складом). Any other cut-off
// word is taken for an adjective (ген., гл., ст.), whose noun is still to
// come.
bool cut_off_word_heads_title(std::wstring_view word, std::wstring_view next);

}  // namespace engine
