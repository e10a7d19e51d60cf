// A state, municipal or public body named without a legal form («Администрация
// города Тулы», «Федеральная налоговая служба», «Школа 2000»): the noun that
// says what kind of body it is, with the adjectives before it, opens the name,
// gives the party its gender and is the only part that declines; the rest
// («города Тулы») is already in the case the name needs.
//
// Any thread; the list is constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace engine {

struct public_body_head {
    // Where the noun ends in the name; 0 when the name opens with no body's noun.
    std::size_t length = 0;
    // The noun's gender: 1 masculine, 2 feminine, 3 neuter.
    std::uint32_t gender = 0;
};

// The body's noun of the list (Администрация, Министерство, Управление,
// Отдел, Комиссия, Фонд, Банк, Совет, Дума, Школа, Больница, Суд and the
// like), in any letter case, as the first word of `name` or after adjectives
// only («Арбитражный суд», «Федеральная налоговая служба», «Главное
// управление»).
public_body_head find_public_body(std::wstring_view name);

}  // namespace engine
