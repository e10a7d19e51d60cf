#include "engine/declension/counted_nouns.h"

#include <cstdint>
#include <string_view>

#include "engine/declension/decline_word.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/rule_table.h"
#include "engine/text/plain_text.h"

namespace engine {
namespace {

constexpr int k_genitive = 2;
constexpr int k_accusative = 4;

struct plural_base {
    std::wstring_view singular;
    std::wstring_view plural;
};

// clang-format off
constexpr plural_base k_plural_bases[] = {
    {L"час", L"часы"},       {L"день", L"дни"},       {L"сутки", L"сутки"},   {L"месяц", L"месяцы"},
    {L"рубль", L"рубли"},    {L"доллар", L"доллары"}, {L"целая", L"целые"},   {L"место", L"места"},
    {L"человек", L"люди"},
};

// How the form a count asks for in the nominative ends, and what the noun's
// nominative singular ends in instead: the genitive singular after 2-4 and
// полтора (месяца, рубля, тысячи), the genitive plural after 5 and
// полтораста (месяцев, рублей, тысяч), also with a dropped vowel (сделок,
// копеек), and лет for год. Each guess is checked by declining it back.
struct counted_form_ending {
    std::wstring_view counted;
    std::wstring_view nominative;
};

constexpr counted_form_ending k_counted_form_endings[] = {
    {L"дня", L"день"}, {L"дней", L"день"}, {L"лет", L"год"},
    {L"а", L""},  {L"а", L"о"},  {L"я", L"ь"},  {L"я", L"й"},  {L"я", L"е"},
    {L"ы", L"а"}, {L"и", L"а"},  {L"и", L"я"},  {L"и", L"ь"},
    {L"ов", L""}, {L"ев", L""},  {L"ев", L"й"}, {L"ей", L"ь"}, {L"ей", L""},
    {L"ок", L"ка"}, {L"еек", L"ейка"},
    {L"", L"а"},  {L"", L"о"},   {L"ь", L"я"},
};
// clang-format on

bool ends_with(std::wstring_view text, std::wstring_view ending) { return text.ends_with(ending); }

bool is_hushing_or_velar(wchar_t c) {
    return std::wstring_view(L"гкхжчшщ").find(c) != std::wstring_view::npos;
}

std::wstring declined(const std::wstring& word, int c) {
    std::uint32_t gender = 0, animate = 0;
    return decline_word(word, c, &gender, &animate);
}

std::wstring joined(const std::wstring& head, const std::wstring& noun) {
    return head.empty() ? noun : head + L" " + noun;
}

std::wstring both_declined(const std::wstring& head, const std::wstring& noun, int c) {
    return joined(head.empty() ? head : declined(head, c), declined(noun, c));
}

// The words before the noun in the nominative plural: новая and основной
// both give -ые, after г, к, х and the hushing letters -ие.
std::wstring plural_head(std::wstring head) {
    if (head.size() < 4) return head;
    const std::size_t n = head.size();
    const wchar_t before = letter_from_end(head, 3);
    if (ends_with(head, L"ая") || ends_with(head, L"ый") || ends_with(head, L"ой")) {
        head.replace(n - 2, 2, is_hushing_or_velar(before) ? L"ие" : L"ые");
    } else if (ends_with(head, L"ий") || ends_with(head, L"яя")) {
        head.replace(n - 2, 2, L"ие");
    } else if (head.back() == L'й') {
        head.back() = L'е';
    }
    return head;
}

bool is_plural_word(const std::wstring& word) {
    std::uint32_t gender = 0, animate = 0;
    decline_word(word, 1, &gender, &animate);
    return gender == 4;
}

// The nominative plural of a masculine noun (сотрудник → сотрудники,
// экземпляр → экземпляры, случай → случаи), or an empty text when the word
// lists do not know that plural.
std::wstring masculine_plural(const std::wstring& noun) {
    std::uint32_t gender = 0, animate = 0;
    decline_word(noun, 1, &gender, &animate);
    if (gender != 1) return {};
    std::wstring plural = noun;
    const wchar_t last = plural.back();
    if (last == L'ь' || last == L'й') {
        plural.back() = L'и';
    } else if (std::wstring_view(L"аеёиоуыэюя").find(last) != std::wstring_view::npos) {
        return {};
    } else {
        plural += is_hushing_or_velar(last) ? L'и' : L'ы';
    }
    return is_plural_word(plural) ? plural : std::wstring();
}

// The form the case then declines: the singular after 2-4 in the
// nominative, otherwise a plural (or a genitive standing in for one). A
// masculine genitive (сотрудника, листа) the word lists do not read as a
// plural would decline as a feminine singular: its regular plural stands in.
std::wstring noun_base(const std::wstring& noun, int plural_class, int c) {
    if (plural_class == 1 && c <= 1) {
        if (noun.size() >= 3 && ends_with(noun, L"ая"))
            return noun.substr(0, noun.size() - 2) + L"ые";
        return noun;
    }
    for (const plural_base& base : k_plural_bases) {
        if (noun == base.singular) return std::wstring(base.plural);
    }
    if (noun.size() < 3) return noun;
    if (ends_with(noun, L"тр") || ends_with(noun, L"мм") || ends_with(noun, L"нт"))
        return noun + L"ы";
    const std::wstring genitive = declined(noun, k_genitive);
    if (is_plural_word(genitive)) return genitive;
    const std::wstring plural = masculine_plural(noun);
    return plural.empty() ? genitive : plural;
}

// The integer part up to its last digit.
std::wstring integer_digits(std::wstring number_text) {
    std::size_t cut = number_text.rfind(L'.');
    if (cut == std::wstring::npos) cut = number_text.rfind(L',');
    if (cut != std::wstring::npos) number_text.resize(cut);
    while (!number_text.empty() && !is_digit(number_text.back())) number_text.pop_back();
    return number_text;
}

}  // namespace

std::wstring counted_noun_in_oblique_case(const std::wstring& typed, int grammatical_case) {
    for (const counted_form_ending& row : k_counted_form_endings) {
        if (!typed.ends_with(row.counted)) continue;
        const std::wstring noun =
            typed.substr(0, typed.size() - row.counted.size()) + std::wstring(row.nominative);
        if (noun.size() < 3) continue;
        std::uint32_t gender = 0, animate = 0;
        const std::wstring genitive = decline_word(noun, k_genitive, &gender, &animate);
        if (gender < 1 || gender > 3) continue;
        if (genitive == typed || agree_counted_noun(noun, 2, 1, false) == typed)
            return agree_counted_noun(noun, 2, grammatical_case, false);
    }
    return declined(typed, grammatical_case);
}

std::wstring counted_adjective_in_oblique_case(const std::wstring& typed, int grammatical_case) {
    const std::size_t n = typed.size();
    if (n < 4 || (typed[n - 2] != L'ы' && typed[n - 2] != L'и') ||
        (typed[n - 1] != L'х' && typed[n - 1] != L'е'))
        return typed;
    const std::wstring stem = typed.substr(0, typed.size() - 1);
    switch (grammatical_case) {
        case 2:
        case 6: return stem + L"х";
        case 3: return stem + L"м";
        case 5: return stem + L"ми";
        default: return typed;
    }
}

bool counted_by_scale_word(const std::wstring& number_text) {
    const std::wstring digits = integer_digits(number_text);
    if (digits.size() < 4 || !digits.ends_with(L"000")) return false;
    for (wchar_t c : digits)
        if (c >= L'1' && c <= L'9') return true;
    return false;
}

int number_plural_class(std::wstring number_text) {
    number_text = integer_digits(std::move(number_text));
    if (number_text.empty()) return 2;
    const wchar_t last = letter_from_end(number_text, 1);
    const wchar_t before = letter_from_end(number_text, 2);
    if (before == L'1') return 2;
    if (last == L'1') return 0;
    if (last >= L'2' && last <= L'4') return 1;
    return 2;
}

std::wstring agree_counted_noun(std::wstring noun, int plural_class, int grammatical_case,
                                bool fraction) {
    const int c = (grammatical_case >= 0 && grammatical_case <= 6) ? grammatical_case : 1;
    trim_blanks(noun);
    if (noun == L"дня") noun = L"день";
    const std::wstring whole = noun;

    std::wstring head;
    const std::size_t blank = noun.rfind(L' ');
    if (blank != std::wstring::npos) {
        head = noun.substr(0, blank);
        noun.erase(0, blank + 1);
    }

    // A decimal counts a part of one: the genitive singular whatever the
    // integer part ends in (2,5 календарного дня).
    if (fraction) return both_declined(head, noun, k_genitive);
    if (plural_class == 0) {
        if (c >= 2) return both_declined(head, noun, c);
        return whole;
    }

    head = plural_head(std::move(head));
    const std::wstring base = noun_base(noun, plural_class, c);
    if (c <= 1) return both_declined(head, base, k_genitive);
    if (c != k_accusative) return both_declined(head, base, c);

    std::uint32_t gender = 0, animate = 0;
    decline_word(whole, k_accusative, &gender, &animate);
    if (gender == 1 && plural_class == 1) return both_declined(head, noun, k_genitive);
    if (gender == 1 || (gender == 2 && plural_class == 2))
        return both_declined(head, base, k_genitive);
    return both_declined(head, base, k_accusative);
}

}  // namespace engine
