// Plurals in -ки: decided by the ending, not the whole word.
#include <utility>

#include "engine/declension/paradigms.h"
#include "engine/declension/plurals_ki_rules.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// -аки and -ики: the ending does not tell кулаки from черпаки, so the
// singular is asked for its animacy; one it does not know counts as
// inanimate.
std::wstring decline_by_singular(std::wstring word, int c, std::uint32_t* gender,
                                 std::uint32_t* animate) {
    std::uint32_t singular_gender = 0, singular_animate = 0;
    decline_long_k(word.substr(0, word.size() - 1), 0, &singular_gender, &singular_animate);
    const bool animate_singular = singular_animate != 0;
    std::wstring result =
        animate_singular ? paradigm_008(std::move(word), c) : paradigm_015(std::move(word), c);
    if (animate) *animate = animate_singular ? 1 : 0;
    if (gender) *gender = 4;
    return result;
}

}  // namespace

std::wstring decline_long_i_ki(std::wstring word, int c, std::uint32_t* gender,
                               std::uint32_t* animate) {
    static const rule_table rules(plurals_ki::rules);
    const rule_row* row = rules.find(word);
    if (!row) return word;
    if (row->outcome == plurals_ki::anki_words)
        return decline_long_i_ki_anki(std::move(word), c, gender, animate);
    if (row->outcome == plurals_ki::by_singular)
        return decline_by_singular(std::move(word), c, gender, animate);
    return decline_by_list_row(*row, std::move(word), c, gender, animate);
}

std::wstring decline_long_i_ki_anki(std::wstring word, int c, std::uint32_t* gender,
                                    std::uint32_t* animate) {
    static const rule_table rules(plurals_ki::anki_rules);
    return decline_by_list(rules, std::move(word), c, gender, animate);
}

}  // namespace engine
