// The particles typed in small letters before a foreign surname (фон Берг,
// ван дер Берг, де ла Фуэнте, ибн Сина): they stay as typed in every case and
// are neither the surname nor the first name. A capitalised word is never
// one: «Ле Тхи Хоа» and «Ван Лэй» open with the surname.
//
// Any thread; the list is constant.
#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// Where the particles opening `name` end (after the last one's letters), 0
// when none opens it or no word follows them.
std::size_t surname_particles_end(std::wstring_view name);

}  // namespace engine
