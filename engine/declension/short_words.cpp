// Two- and three-letter words.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline2(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline3_a(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline3_i(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline3_y(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline3_other(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
