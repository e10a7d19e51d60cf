#include "engine/declension/name_particles.h"

#include <algorithm>
#include <array>

namespace engine {

namespace {

// Single words; the pairs (фон дер, ван дер, де ла) are two of them.
constexpr std::array<std::wstring_view, 13> particles = {L"фон", L"ван",  L"дер", L"де", L"ди",
                                                         L"да",  L"ла",   L"ле",  L"дю", L"ибн",
                                                         L"бен", L"дель", L"ден"};

}  // namespace

std::size_t surname_particles_end(std::wstring_view name) {
    std::size_t end = 0;
    for (std::size_t i = 0;;) {
        while (i < name.size() && name[i] == L' ') ++i;
        const std::size_t word_end = std::min(name.find(L' ', i), name.size());
        if (word_end == i) return 0;  // no surname after the particles
        if (std::find(particles.begin(), particles.end(), name.substr(i, word_end - i)) ==
            particles.end())
            return end;
        end = word_end;
        i = word_end;
    }
}

}  // namespace engine
