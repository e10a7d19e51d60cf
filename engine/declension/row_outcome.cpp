#include "engine/declension/row_outcome.h"

#include <utility>

#include "engine/declension/paradigms.h"

namespace engine {

std::wstring apply_own_forms(const own_forms& forms, std::wstring word, int c) {
    if (word.size() >= forms.cut) word.resize(word.size() - forms.cut);
    if (c >= 1 && c <= 6) word += forms.endings[c - 1];
    return word;
}

std::uint32_t read_input_slot(const std::uint32_t* slot) {
    if (slot == nullptr) return 0;
    return *slot;
}

void store_row_values(const rule_row& row, std::uint32_t* gender, std::uint32_t* animate) {
    if (row.animacy >= 0 && animate) *animate = std::uint32_t(row.animacy);
    if (row.gender >= 0 && gender) *gender = std::uint32_t(row.gender);
}

std::wstring decline_by_row(const rule_row& row, std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate, std::span<const own_forms> forms) {
    if (row.outcome >= 1 && row.outcome <= paradigm_count) {
        std::uint32_t animacy_in = row.animacy == from_input ? read_input_slot(animate) : 0;
        word = apply_paradigm(row.outcome, std::move(word), c, animacy_in);
    } else if (row.outcome >= own_outcome && row.outcome < special_outcome &&
               std::size_t(row.outcome - own_outcome) < forms.size()) {
        word = apply_own_forms(forms[std::size_t(row.outcome - own_outcome)], std::move(word), c);
    }
    store_row_values(row, gender, animate);
    return word;
}

}  // namespace engine
