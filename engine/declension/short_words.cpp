// Two- and three-letter words: closed lists of whole words.
#include <utility>

#include "engine/declension/short_word_lists.h"
#include "engine/declension/word_handlers.h"

namespace engine {

std::wstring decline2(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(short_word_lists::two_letters);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline3_a(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(short_word_lists::three_letters_a);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline3_i(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(short_word_lists::three_letters_i);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline3_y(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    static const rule_table list(short_word_lists::three_letters_y);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

std::wstring decline3_other(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    static const rule_table list(short_word_lists::three_letters_other);
    return decline_by_list(list, std::move(word), c, gender, animate);
}

}  // namespace engine
