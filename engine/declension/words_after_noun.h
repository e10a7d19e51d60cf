// Adjectives and participles typed after their noun (шуба норковая,
// квартира, расположенная по адресу …) agree with it, so they decline with
// it up to the first word they govern.
//
// Any thread; reads only its arguments.
#pragma once

#include <cstddef>

#include "engine/declension/phrase.h"

namespace engine {

// The last word after the noun at token `noun` that agrees with it: the
// adjectives and participles one blank apart, the first of them also after a
// comma; `noun` itself when none does. An adjective before a noun of its own
// agrees with that noun instead (квартира, общая площадь которой …).
std::size_t last_word_agreeing_after(const phrase_tokens& tokens, std::size_t noun);

}  // namespace engine
