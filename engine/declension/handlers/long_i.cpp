// Plurals of five or more letters in -и.
// Not built yet: every word outside -ки comes back unchanged and nothing is stored.
#include <utility>

#include "engine/declension/word_handlers.h"

namespace engine {

// Plurals in -ки have a handler of their own, which also answers this one's callers.
std::wstring decline_long_i(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    if (word.ends_with(L"ки")) return decline_long_i_ki(std::move(word), c, gender, animate);
    return word;
}

}  // namespace engine
