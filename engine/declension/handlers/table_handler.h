// The whole body of a handler whose every row is a paradigm, a kept word or
// one of its own form sets: find the word's row and carry it out. An unknown
// word comes back unchanged with both slots untouched.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "engine/declension/row_outcome.h"
#include "engine/declension/rule_table.h"

namespace engine {

inline std::wstring decline_by_table(const rule_table& table, std::wstring word, int c,
                                     std::uint32_t* gender, std::uint32_t* animate,
                                     std::span<const own_forms> forms = {}) {
    const rule_row* row = table.find(word);
    if (!row) return word;
    return decline_by_row(*row, std::move(word), c, gender, animate, forms);
}

}  // namespace engine
