// Words of five or more letters in -б, -в, -г, -д, -ж, -з.
// Not built yet: every word comes back unchanged and nothing is stored.
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline_long_b(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_v(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_g(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_d(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_zh(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

std::wstring decline_long_z(std::wstring word, int, std::uint32_t*, std::uint32_t*) { return word; }

}  // namespace engine
