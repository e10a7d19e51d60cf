// Four-letter words the core lists itself.
#include <utility>

#include "engine/declension/four_letter_word_lists.h"
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline4_a(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_a);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_b(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_b);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_v(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_v);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_g(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_g);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_d(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_d);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_e(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_e);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_z(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_z);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_i(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_i);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_j(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_j);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_k(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_k);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline4_other(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    static const rule_table list(four_letter_word_lists::four_letters_other);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

}  // namespace engine
