// Carrying out the dictionary row a handler's table chose for a word.
//
// decline_by_row declines the word as the row says (a paradigm, the word kept,
// or one of the handler's own form sets) and then stores the row's animacy
// before its gender, skipping what the row does not store, so a caller that
// passes one slot for both ends with the gender. A row whose animacy is
// from_input hands the caller's animacy to its paradigm and stores none.
// Special procedures (outcome special_outcome + i) stay with the handler,
// which calls store_row_values itself.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "engine/declension/rule_table.h"

namespace engine {

// A handler's own forms: cut this many letters, then append the case's
// ending (nominative first); outside cases 1..6 the bare stem.
struct own_forms {
    unsigned cut;
    std::array<const wchar_t*, 6> endings;
};

std::wstring apply_own_forms(const own_forms& forms, std::wstring word, int c);

// The value of a slot a row reads as input; a missing slot reads as 0.
std::uint32_t read_input_slot(const std::uint32_t* slot);

void store_row_values(const rule_row& row, std::uint32_t* gender, std::uint32_t* animate);

std::wstring decline_by_row(const rule_row& row, std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate, std::span<const own_forms> forms = {});

}  // namespace engine
