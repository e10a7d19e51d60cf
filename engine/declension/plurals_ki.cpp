// Plurals in -ки.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline_long_i_ki(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_i_ki_anki(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
