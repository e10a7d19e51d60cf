// Plurals whose ending does not tell an animate noun from an inanimate one
// ask the singular: the plural handler rebuilds the singular, hands it to the
// singular handler of its final letter and picks one of two plural paradigms
// from the animacy (and, for some checks, the instrumental form) that comes
// back.
//
// A dictionary row names its check by outcome code: singular_check_outcome + i
// is entry i of the handler's own array of checks. The singular's animacy is a
// local of one call, 0 before the singular handler runs, so nothing left in a
// caller's slot can change the plural. The singular
// handler writes its gender through the caller's gender pointer; the check
// always overwrites it with 4 (plural).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/declension/rule_table.h"
#include "engine/declension/word_handlers.h"

namespace engine {

inline constexpr int singular_check_outcome = special_outcome + 500;

enum class singular_check_kind : std::uint8_t {
    // A: the word less its final letter, case 0; the answer's animacy picks.
    animacy,
    // A5: as A, but the singular is asked in the instrumental (its form unused).
    animacy_instrumental,
    // B: the word less ы, instrumental; "ом" at its end means a noun (as A),
    // anything else a surname: paradigm_077 with the singular's animacy,
    // which is stored whatever it is.
    noun_or_surname,
    // C1: -цы becomes -ец; an instrumental in -цом (found with a blank after
    // it) takes the -ов pair of paradigms, any other the -ев pair.
    tsy_after_bn,
    // C2: as C1, but -ьцы becomes -ец (пальцы, палец).
    tsy_after_soft_sign,
    // C3: as C1, the instrumental's last three letters compared.
    tsy_after_consonant,
};

struct singular_check {
    std::string_view name;  // as the dictionaries call the check: "A", "A5", "B", "C1" ...
    singular_check_kind kind;
    word_handler handler;
    int animate_paradigm;  // C checks: the -ов pair
    int inanimate_paradigm;
    int animate_ev_paradigm = 0;  // C checks: the -ев pair
    int inanimate_ev_paradigm = 0;
};

// The check a row names in `checks`, the handler's own array; null for a row
// that names none.
inline const singular_check* check_named_by(const rule_row& row,
                                            std::span<const singular_check> checks) {
    const int i = row.outcome - singular_check_outcome;
    return (i >= 0 && std::size_t(i) < checks.size()) ? &checks[std::size_t(i)] : nullptr;
}

// The singular the check hands to its handler (safe for words of any length).
std::wstring rebuild_singular(singular_check_kind kind, std::wstring_view plural);

// Declines the plural by the check and stores animacy 1 on the animate side
// (the singular's animacy on the surname side of B), then gender 4.
std::wstring run_singular_check(const singular_check& check, std::wstring word, int c,
                                std::uint32_t* gender, std::uint32_t* animate);

}  // namespace engine
