// Four-letter words in -л, -м, -н, -о, -п, -р, -с, -т.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline4_l(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_m(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_n(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_o(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_p(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_r(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_s(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_t(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
