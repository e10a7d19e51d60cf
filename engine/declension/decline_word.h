// The entry of Russian declension for one word.
//
// decline_word puts a lower-case Russian word into a case (1 nominative,
// 2 genitive, 3 dative, 4 accusative, 5 instrumental, 6 prepositional; any
// other value is taken as 1) and reports its gender (0 undetermined,
// 1 masculine, 2 feminine, 3 neuter, 4 plural) and animacy (1 animate,
// 0 inanimate). Both slots are written only when the word is recognised, so a
// caller that wants to know sets its gender to 0 first. An unrecognised word
// comes back trimmed and otherwise unchanged.
//
// Slots: every caller passes its own local variables, starting at 0, or
// values it deliberately supplies (the animacy of the noun an adjective
// agrees with, the gender of the noun counted by полтора); a caller that
// wants neither passes null. No slot is shared between calls, so one word's
// form never depends on whatever was declined before it.
//
// Any thread; the result depends only on the arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline_word(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate);

// The handler for a trimmed word of that length and final letter, or null
// where the entry settles the word itself (one letter; five or more ending
// in ё) or no handler exists (five or more ending in у, ъ, э, ю or any
// character outside а..я).
word_handler find_word_handler(std::size_t length, wchar_t last_letter);

}  // namespace engine
