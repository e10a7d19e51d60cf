// Words of five or more letters in -ф, -х, -ч, -ш, -щ.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline_long_f(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_kh(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_ch(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_sh(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_shch(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
