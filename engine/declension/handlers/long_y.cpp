// Plurals of five or more letters in -ы. Nearly every such word is a plural
// noun, so every recognised word stores gender 4; the row picks the plural
// paradigm, or asks the singular handler whether the noun is animate.
#include <utility>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/handlers/poltora.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/row_outcome.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// -чты: мечты has no genitive мечт; its own is мечтаний.
std::wstring decline_dreams(std::wstring word, int c) {
    word = paradigm_012(std::move(word), c);
    if (word == L"мечт") word += L"аний";
    return word;
}

}  // namespace

std::wstring decline_long_y(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = long_y_rules().find(word);
    if (!row) return word;
    if (const singular_check* check = long_y_check(*row)) {
        return run_singular_check(*check, std::move(word), c, gender, animate);
    }
    if (row->outcome == long_y_dreams || row->outcome == long_y_poltora) {
        word = row->outcome == long_y_dreams ? decline_dreams(std::move(word), c)
                                             : decline_poltora(std::move(word), c, 2);
        store_row_values(*row, gender, animate);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, animate);
}

}  // namespace engine
