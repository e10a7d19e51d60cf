// The particles typed in small letters before a foreign surname (фон Берг,
// ван дер Берг, де ла Фуэнте, ибн Сина): they stay as typed in every case and
// are neither the surname nor the first name. A capitalised word is never
// one: «Ле Тхи Хоа» and «Ван Лэй» open with the surname.
//
// Any thread; the list is constant.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

namespace engine {

// Single words; the pairs (фон дер, ван дер, де ла) are two of them.
inline constexpr std::array<std::wstring_view, 13> surname_particles = {
    L"фон", L"ван", L"дер", L"де",  L"ди",   L"да", L"ла",
    L"ле",  L"дю",  L"ибн", L"бен", L"дель", L"ден"};

// Whether `word`, as typed, is one of the particles. Most words open with a
// capital, and the list is then not read.
inline bool is_surname_particle(std::wstring_view word) {
    if (word.empty() || word[0] < L'а' || word[0] > L'ф') return false;
    return std::find(surname_particles.begin(), surname_particles.end(), word) !=
           surname_particles.end();
}

}  // namespace engine
