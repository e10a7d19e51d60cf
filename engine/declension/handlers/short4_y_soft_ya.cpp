// Four-letter words in -ы, -ь, -я.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline4_y(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_soft(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_ya(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
