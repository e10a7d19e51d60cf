#include "engine/declension/decline_word.h"

#include <array>
#include <utility>

#include "engine/declension/paradigms.h"
#include "engine/declension/rule_table.h"
#include "engine/text/plain_text.h"

namespace engine {

namespace {

constexpr wchar_t k_first_letter = L'а';  // U+0430; я is U+044F
constexpr std::size_t k_letters = 32;

// Handlers for three, four and five-or-more letters, indexed by letter - 'а'.
constexpr std::array<word_handler, k_letters> k_three = [] {
    std::array<word_handler, k_letters> table{};
    for (auto& handler : table) handler = decline3_other;
    table[L'а' - k_first_letter] = decline3_a;
    table[L'и' - k_first_letter] = decline3_i;
    table[L'ы' - k_first_letter] = decline3_y;
    return table;
}();

constexpr std::array<word_handler, k_letters> k_four = {
    decline4_a,     decline4_b,     decline4_v,     decline4_g,     decline4_d,     decline4_e,
    decline4_other, decline4_z,     decline4_i,     decline4_j,     decline4_k,     decline4_l,
    decline4_m,     decline4_n,     decline4_o,     decline4_p,     decline4_r,     decline4_s,
    decline4_t,     decline4_other, decline4_other, decline4_other, decline4_other, decline4_other,
    decline4_other, decline4_other, decline4_other, decline4_y,     decline4_soft,  decline4_other,
    decline4_other, decline4_ya,
};  // а б в г д е ж з и й к л м н о п р с т у ф х ц ч ш щ ъ ы ь э ю я

constexpr std::array<word_handler, k_letters> k_long = {
    decline_long_a,    decline_long_b,  decline_long_v,  decline_long_g,    decline_long_d,
    decline_long_e,    decline_long_zh, decline_long_z,  decline_long_i,    decline_long_j,
    decline_long_k,    decline_long_l,  decline_long_m,  decline_long_n,    decline_long_o,
    decline_long_p,    decline_long_r,  decline_long_s,  decline_long_t,    nullptr,
    decline_long_f,    decline_long_kh, decline_long_ts, decline_long_ch,   decline_long_sh,
    decline_long_shch, nullptr,         decline_long_y,  decline_long_soft, nullptr,
    nullptr,           decline_long_ya,
};  // а б в г д е ж з и й к л м н о п р с т у ф х ц ч ш щ ъ ы ь э ю я

std::wstring decline_ya_pronoun(int c) {
    static constexpr const wchar_t* forms[6] = {L"я", L"меня", L"мне", L"меня", L"мною", L"мне"};
    return forms[c - 1];
}

// Neuter nouns in -ьё (бельё, ружьё) after one of these consonants.
bool is_soft_yo_noun(const std::wstring& word) {
    static constexpr std::wstring_view consonants = L"бвджлмнпрстчш";
    return letter_from_end(word, 2) == L'ь' &&
           consonants.find(letter_from_end(word, 3)) != std::wstring_view::npos;
}

}  // namespace

word_handler find_word_handler(std::size_t length, wchar_t last_letter) {
    bool in_alphabet =
        last_letter >= k_first_letter && last_letter < k_first_letter + wchar_t(k_letters);
    std::size_t index = in_alphabet ? std::size_t(last_letter - k_first_letter) : 0;
    if (length <= 1) return nullptr;
    if (length == 2) return decline2;
    if (length == 3) return in_alphabet ? k_three[index] : decline3_other;
    if (length == 4) return in_alphabet ? k_four[index] : decline4_other;
    return in_alphabet ? k_long[index] : nullptr;
}

std::wstring decline_word(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    if (c < 1 || c > 6) c = 1;
    std::uint32_t unused_gender = 0, unused_animate = 0;
    if (!gender) gender = &unused_gender;
    if (!animate) animate = &unused_animate;

    trim_blanks(word);
    if (word.empty() || word.front() == L'[') return word;
    if (word.size() == 1) return word == L"я" ? decline_ya_pronoun(c) : word;
    if (word.size() >= 5 && word.back() == L'ё') {
        if (!is_soft_yo_noun(word)) return word;
        *gender = 3;
        return paradigm_079(std::move(word), c);
    }
    word_handler handler = find_word_handler(word.size(), word.back());
    if (!handler) return word;
    return handler(std::move(word), c, gender, animate);
}

}  // namespace engine
