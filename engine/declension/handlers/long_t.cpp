// Words of five or more letters in -т.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline_long_t(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
