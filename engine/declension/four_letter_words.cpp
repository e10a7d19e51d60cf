// Four-letter words the core lists itself.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline4_a(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_b(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_v(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_g(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_d(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_e(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_z(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_i(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_j(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_k(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline4_other(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
