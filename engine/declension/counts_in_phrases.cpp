#include "engine/declension/counts_in_phrases.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/declension/counted_nouns.h"
#include "engine/declension/decline_word.h"
#include "engine/declension/name_words.h"
#include "engine/declension/number_word_tables.h"
#include "engine/declension/number_words.h"
#include "engine/declension/phrase_words.h"

namespace engine {

namespace {

using namespace phrase_kind;

// What a count asks of its words, beside the plural classes 0, 1 and 2 of
// number_plural_class: a decimal the genitive singular in every case, whole
// thousands (тысяча, миллион …) the genitive plural in every case.
constexpr int after_decimal = 3;
constexpr int after_whole_thousands = 4;

struct number_word {
    std::wstring_view text;
    int plural_class;
};

constexpr bool shorter_or_before(const number_word& a, const number_word& b) {
    return a.text.size() != b.text.size() ? a.text.size() < b.text.size() : a.text < b.text;
}

// Every number word from один to девятьсот, by length and then letters: a
// word is looked up by a few comparisons, mostly of lengths, since every
// word of every declined phrase is looked up.
constexpr auto k_number_words = [] {
    std::array<number_word, 40> words{};
    std::size_t n = 0;
    for (const wchar_t* one : {L"один", L"одна", L"одно"}) words[n++] = {one, 0};
    words[n++] = {L"две", 1};
    for (int k = 2; k < 20; ++k) words[n++] = {cardinal_units[0][k], k <= 4 ? 1 : 2};
    for (int k = 1; k < 10; ++k) words[n++] = {cardinal_tens[0][k], 2};
    for (int k = 1; k < 10; ++k) words[n++] = {cardinal_hundreds[0][k], 2};
    std::sort(words.begin(), words.end(), shorter_or_before);
    return words;
}();

// The plural class of a typed number word from один to девятьсот (один день
// 0, два месяца 1, восемьдесят дней 2), or -1.
int number_word_class(std::wstring_view word) {
    const auto found = std::lower_bound(k_number_words.begin(), k_number_words.end(),
                                        number_word{word, 0}, shorter_or_before);
    return found != k_number_words.end() && found->text == word ? found->plural_class : -1;
}

// Whether a word is a noun in the form a count of this plural class (1 or 2)
// asks for: the genitive singular after 2-4, the genitive plural after 5,
// that the counted-noun rule leads back to a plural.
bool counts_word(int number_class, const std::wstring& word) {
    if (number_word_class(word) >= 0 || word.ends_with(L"ых") || word.ends_with(L"их") ||
        is_preposition(word))
        return false;
    const std::wstring dative = counted_noun_in_oblique_case(word, 3);
    if (!dative.ends_with(L"ам") && !dative.ends_with(L"ям")) return false;
    const bool same_genitive = counted_noun_in_oblique_case(word, 2) == word;
    // A short genitive plural read as the stem of its plural may belong to
    // another noun (лет is of год, not of лето).
    if (same_genitive && word.size() < 4 && dative.starts_with(word) && !is_short_noun(word))
        return false;
    return same_genitive == (number_class == 2);
}

bool is_singular_noun(const std::wstring& word) {
    if (word == L"и" || word == L"или" || is_preposition(word)) return false;
    std::uint32_t gender = 0, animate = 0;
    decline_word(word, 0, &gender, &animate);
    return gender >= 1 && gender <= 3 && is_head_noun(word);
}

bool is_counted_noun(int count, const std::wstring& word) {
    switch (count) {
        case 0: return is_singular_noun(word);
        case after_decimal: return counts_word(1, word);
        case after_whole_thousands: return counts_word(2, word);
        default: return counts_word(count, word);
    }
}

// An adjective between a count and its noun: «1 рабочий день», «5 рабочих
// дней», «две новые книги», «2,5 календарного дня».
bool is_counted_adjective(int count, const std::wstring& word) {
    if (word.size() < 4) return false;
    if (count == 0) return !is_head_noun(word);
    if (count == after_decimal) return word.ends_with(L"ого") || word.ends_with(L"его");
    if (word.ends_with(L"ых") || word.ends_with(L"их")) return true;
    if (!word.ends_with(L"ые") && !word.ends_with(L"ие")) return false;
    std::uint32_t gender = 0, animate = 0;
    decline_word(word, 0, &gender, &animate);
    return gender == 4;
}

// A capitalised word that reads as a surname or first name (5 Иванов): a
// name, never a counted noun.
bool is_name_word(const phrase_tokens& tokens, std::size_t k) {
    return tokens.classes[k] == word_class::capitalised && classify_name_word(tokens.texts[k]) > 0;
}

struct counted_words {
    std::size_t first = no_word;  // the first word after the count
    std::size_t noun = no_word;
    std::size_t last_read = no_word;  // the word the search for the noun ended at
    bool unit = false;                // cut off by a point (5 шт., 28 дн.)
};

// The words that the count ending at token `last` counts: its noun, or a
// unit, with the adjectives before the noun.
counted_words words_counted_after(const phrase_tokens& tokens, std::size_t last, int count) {
    counted_words found;
    found.first = neighbour_word(tokens, last, 1);
    for (std::size_t k = found.first; k != no_word;) {
        const std::wstring& word = tokens.texts[k];
        found.last_read = k;
        if (is_name_word(tokens, k)) break;
        if (is_counted_noun(count, word)) {
            found.noun = k;
            break;
        }
        if (k == found.first && k + 1 < tokens.size() && tokens.kinds[k + 1] == point &&
            tokens.typed[k + 1] == L".") {
            found.noun = k;
            found.unit = true;
            break;
        }
        const std::size_t next = neighbour_word(tokens, k, 1);
        if (next == no_word || !is_counted_adjective(count, word)) break;
        k = next;
    }
    return found;
}

bool is_group_blank(const phrase_tokens& tokens, std::size_t j) {
    const std::wstring& blank = tokens.typed[j];
    return blank == L" " || blank == L"\u00a0" || blank == L"\u202f";
}

// What the number typed from token i on asks of its words, with its groups
// of three digits after single blanks (1 000 000) and its fraction
// (3 500,00); `last` gets the index of its last token, `digits` its digits
// before any fraction.
int count_of_digits(const phrase_tokens& tokens, std::size_t i, std::size_t& last,
                    std::wstring& digits) {
    digits = tokens.texts[i];
    last = i;
    // A fraction (1/2 доля, 2/3 доли): a numerator ending in one leaves its
    // noun in the case of the phrase, any other the genitive singular.
    if (tokens.kinds[i] == whole_number && i + 2 < tokens.size() && tokens.typed[i + 1] == L"/" &&
        tokens.kinds[i + 2] == whole_number) {
        last = i + 2;
        return number_plural_class(digits) == 0 ? 0 : after_decimal;
    }
    while (tokens.kinds[last] == whole_number && last + 2 < tokens.size() &&
           is_group_blank(tokens, last + 1) && tokens.texts[last + 2].size() == 3 &&
           (tokens.kinds[last + 2] == whole_number || tokens.kinds[last + 2] == decimal_integer)) {
        digits += tokens.texts[last + 2];
        last += 2;
    }
    if (tokens.kinds[last] == decimal_integer) {
        if (last + 2 < tokens.size() && tokens.kinds[last + 2] == decimal_fraction) last += 2;
        return after_decimal;
    }
    return counted_by_scale_word(digits) ? after_whole_thousands : number_plural_class(digits);
}

// The plural class of the run of number words from token i on («двадцать
// пять»): that of its last word.
int count_of_number_words(const phrase_tokens& tokens, std::size_t i, std::size_t& last) {
    last = i;
    for (std::size_t next = neighbour_word(tokens, last, 1);
         next != no_word && number_word_class(tokens.texts[next]) >= 0;
         next = neighbour_word(tokens, last, 1))
        last = next;
    return number_word_class(tokens.texts[last]);
}

// Whether the plural the counted-noun rule gives a noun typed after a count
// is a plural form of case c: the dative, instrumental and prepositional by
// their endings, the genitive by leading back to the same dative. The word
// lists give a singular or another word's form where they lack the plural.
bool counted_form_is_sound(const std::wstring& typed, int c) {
    if (c != 2 && c != 3 && c != 5 && c != 6) return true;
    const std::wstring form = counted_noun_in_oblique_case(typed, c);
    switch (c) {
        case 3: return form.ends_with(L"ам") || form.ends_with(L"ям");
        case 5: return form.ends_with(L"ами") || form.ends_with(L"ями") || form.ends_with(L"ьми");
        case 6: return form.ends_with(L"ах") || form.ends_with(L"ях");
        default:
            return counted_noun_in_oblique_case(form, 3) == counted_noun_in_oblique_case(typed, 3);
    }
}

bool typed_as(const phrase_tokens& tokens, std::size_t j, std::wstring_view text) {
    return j < tokens.size() && tokens.typed[j] == text;
}

// The closing bracket of the words in brackets right after the whole number
// ending at token `last` that spell that number («30 (тридцать)», «1 000
// (одна тысяча)», «2 (две)»), or no_word.
std::size_t spelled_number_after(const phrase_tokens& tokens, std::size_t last,
                                 const std::wstring& digits) {
    std::size_t j = last + 1;
    if (typed_as(tokens, j, L" ")) ++j;
    if (!typed_as(tokens, j, L"(")) return no_word;
    std::wstring words;
    std::size_t last_word = no_word;
    for (++j; j < tokens.size() && tokens.typed[j] != L")"; ++j) {
        if (tokens.kinds[j] == word) {
            if (!words.empty()) words += L' ';
            words += tokens.texts[j];
            last_word = j;
        } else if (tokens.typed[j] != L" ") {
            return no_word;
        }
    }
    if (j == tokens.size() || last_word == no_word) return no_word;
    // The words name one or two in the gender of the noun they count; the
    // digits read in the masculine.
    const std::wstring& ending = tokens.texts[last_word];
    if (ending == L"одна" || ending == L"одно" || ending == L"две")
        words.replace(words.size() - ending.size(), ending.size(),
                      ending == L"две" ? L"два" : L"один");
    return words == number_words_in_case(digits, 1, 0) ? j : no_word;
}

// The forms of the words in brackets between `last` and `close` in case c:
// those of the digits' number in words, their last word in its typed gender.
void spell_in_case(const phrase_tokens& tokens, std::size_t last, std::size_t close,
                   const std::wstring& digits, int c, bool animate,
                   std::vector<count_mark>& marks) {
    if (c < 1 || c > 6) c = 1;
    const std::wstring spelled = number_words_in_case(digits, c, 0);
    std::size_t from = 0;
    for (std::size_t j = last + 1; j < close; ++j) {
        if (tokens.kinds[j] != word) continue;
        std::size_t to = spelled.find(L' ', from);
        if (to == std::wstring::npos) to = spelled.size();
        count_mark& mark = marks[j];
        mark.role = count_role::spelled;
        const std::wstring& typed = tokens.texts[j];
        if (to == spelled.size() && is_one_word(typed))
            mark.form = one_word_in_case(typed, c, animate);
        else if (to == spelled.size() && typed == L"две")
            mark.form = two_forms[std::size_t(c - 1)][1];
        else
            mark.form = spelled.substr(from, to - from);
        from = to + 1;
    }
}

bool is_animate(const std::wstring& noun) {
    std::uint32_t gender = 0, animate = 0;
    decline_word(noun, 0, &gender, &animate);
    return animate != 0;
}

count_role role_of_counted_words(int count, const counted_words& words) {
    if (words.unit || count == after_decimal || count == after_whole_thousands)
        return count_role::as_typed;
    return count == 0 ? count_role::none : count_role::plural;
}

}  // namespace

bool starts_count(const phrase_tokens& tokens, std::size_t i) {
    const int kind = tokens.kinds[i];
    return kind == whole_number || kind == decimal_integer ||
           (kind == word && number_word_class(tokens.texts[i]) >= 0);
}

std::size_t mark_count(const phrase_tokens& tokens, std::size_t i, int grammatical_case,
                       std::vector<count_mark>& marks) {
    const bool digits = tokens.kinds[i] != word;
    std::size_t last = i;
    std::wstring typed_digits;
    const int count = digits ? count_of_digits(tokens, i, last, typed_digits)
                             : count_of_number_words(tokens, i, last);
    // An ordinal in digits («1-го числа», «2-й этаж») and the words after it
    // stay as typed; a longer word after the hyphen makes a compound
    // («10-летнего юбилея»).
    constexpr std::size_t longest_ending = 3;
    if (digits && tokens.kinds[last] == whole_number && last + 2 < tokens.size() &&
        tokens.kinds[last + 1] == dash && tokens.kinds[last + 2] == word &&
        tokens.texts[last + 2].size() <= longest_ending) {
        marks[last + 2] = {count_role::as_typed, true, {}};
        return last + 2;
    }
    // The same number in words in brackets declines whole, and the words
    // after it are counted as after the digits («30 (тридцати) дням»).
    const std::size_t close = digits && tokens.kinds[last] == whole_number
                                  ? spelled_number_after(tokens, last, typed_digits)
                                  : no_word;
    counted_words words = words_counted_after(tokens, close == no_word ? last : close, count);
    if (close != no_word) {
        const bool animate =
            grammatical_case == 4 && words.noun != no_word && is_animate(tokens.texts[words.noun]);
        spell_in_case(tokens, last, close, typed_digits, grammatical_case, animate, marks);
        last = close;
    }
    count_role role = role_of_counted_words(count, words);
    // After digits, words the counted-noun rule cannot read stay as typed,
    // and so does a noun whose plural in this case it cannot give: a form
    // declined as if no number stood before them is wrong.
    if (digits && words.noun == no_word && words.last_read != no_word &&
        !is_name_word(tokens, words.last_read)) {
        words.noun = words.last_read;
        role = count_role::as_typed;
    }
    if (words.noun == no_word) return last;
    if (digits && role == count_role::plural &&
        !counted_form_is_sound(tokens.texts[words.noun], grammatical_case))
        role = count_role::as_typed;
    if (!digits)
        for (std::size_t j = i; j <= last; ++j) marks[j].role = count_role::number_word;
    for (std::size_t j = words.first; j <= words.noun; ++j) marks[j].role = role;
    marks[words.noun].noun = role != count_role::none;
    return words.noun;
}

bool is_one_word(const std::wstring& word) {
    return word == L"один" || word == L"одна" || word == L"одно";
}

std::wstring one_word_in_case(const std::wstring& word, int grammatical_case, bool animate) {
    const std::size_t gender = word == L"один" ? 0 : word == L"одна" ? 1 : 2;
    const int c = grammatical_case >= 1 && grammatical_case <= 6 ? grammatical_case : 1;
    // A masculine animate noun takes the genitive for its accusative.
    if (c == 4 && gender == 0 && animate) return one_forms[1][0];
    return one_forms[std::size_t(c - 1)][gender];
}

}  // namespace engine
