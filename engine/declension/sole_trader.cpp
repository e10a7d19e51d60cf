#include "engine/declension/sole_trader.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/declension/legal_forms.h"
#include "engine/declension/name_words.h"
#include "engine/declension/person_name.h"
#include "engine/declension/turkic_patronymic.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_cyrillic(wchar_t c) { return (c >= L'А' && c <= L'я') || c == L'Ё' || c == L'ё'; }

// A capital first, then letters, with a hyphen only between letters
// (Иванова-Петрова).
bool is_capitalised_word(std::wstring_view word) {
    if (word.empty() || !is_cyrillic(word[0]) || !is_upper_char(word[0])) return false;
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (is_cyrillic(word[i])) continue;
        if (word[i] != L'-' || i + 1 == word.size() || word[i - 1] == L'-') return false;
    }
    return true;
}

// Initials as typed after a surname: «П.П.», «П.», «П.П».
bool is_initials(std::wstring_view word) {
    if (word.empty()) return false;
    for (std::size_t i = 0; i < word.size(); i += 2) {
        if (!is_cyrillic(word[i]) || !is_upper_char(word[i])) return false;
        if (i + 1 < word.size() && word[i + 1] != L'.') return false;
    }
    return true;
}

std::vector<std::wstring_view> words_of(std::wstring_view text) {
    std::vector<std::wstring_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == L' ') ++i;
        std::size_t end = text.find(L' ', i);
        if (end == std::wstring_view::npos) end = text.size();
        if (end > i) words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool ends_with(std::wstring_view word, std::wstring_view ending) {
    return word.size() > ending.size() && word.substr(word.size() - ending.size()) == ending;
}

// In -ич, -вна or -чна, or a Turkic one of a single word (Гейдар-кызы).
bool is_patronymic(std::wstring_view word) {
    std::wstring lowered = to_lower(std::wstring(word));
    return ends_with(lowered, L"ич") || ends_with(lowered, L"вна") || ends_with(lowered, L"чна") ||
           read_turkic_patronymic(word).found;
}

// A word lower-cased, with ё read as е as the lists spell it (Семён).
std::wstring list_spelling(std::wstring_view word) {
    std::wstring lowered = to_lower(std::wstring(word));
    for (wchar_t& c : lowered)
        if (c == L'ё') c = L'е';
    return lowered;
}

// The gender and animacy the word lists give a word; 0 and 2 when they do not
// know it.
std::pair<std::uint32_t, std::uint32_t> listed_gender(std::wstring_view word) {
    std::uint32_t gender = 0, animate = 2;
    decline_word(list_spelling(word), 0, &gender, &animate);
    return {gender, animate};
}

// A surname ending and a first name the lists give a gender.
bool is_surname_ending_and_first_name(std::wstring_view surname, std::wstring_view first_name) {
    std::wstring lowered = to_lower(std::wstring(surname));
    std::size_t dash = lowered.rfind(L'-');
    if (classify_name_word(dash == std::wstring::npos ? lowered : lowered.substr(dash + 1)) <= 0)
        return false;
    const std::uint32_t gender = listed_gender(first_name).first;
    return gender == 1 || gender == 2;
}

// A word the lists know as a thing, not a woman's name (Плюс, Сервис; Роза
// stays a name): it makes a trade name of two words, not a person's.
bool is_thing(std::wstring_view word) {
    const auto [gender, animate] = listed_gender(word);
    return gender != 0 && gender != 2 && animate == 0;
}

// clang-format off
// Words trade names are built from that the lists do not know as things
// (Строй, Окон) or that open one (Мир Окон, Альфа Строй).
constexpr std::wstring_view trade_words[] = {
    L"авто", L"агро", L"альфа", L"бизнес", L"гранд", L"групп", L"дом", L"евро", L"консалт",
    L"лайн", L"мега", L"медиа", L"мир", L"окон", L"профи", L"сити", L"снаб", L"стиль", L"строй",
    L"тех", L"техно", L"трейд", L"хаус", L"эко", L"электро"};
// clang-format on

bool is_trade_word(std::wstring_view word) {
    const std::wstring lowered = list_spelling(word);
    return std::find(std::begin(trade_words), std::end(trade_words), lowered) !=
           std::end(trade_words);
}

// A surname and a first name: the second word a first name the name lists
// hold (Мартин, Томас), else neither word one trade names are built from and
// the second no thing (Кох Ирина, Мюллер Ханс; not Строймонтаж Плюс, Альфа
// Строй), or a surname ending with a first name.
bool reads_as_surname_and_first_name(std::wstring_view surname, std::wstring_view name) {
    if (is_listed_first_name(list_spelling(name))) return true;
    if (is_trade_word(surname) || is_trade_word(name)) return false;
    return !is_thing(name) || is_surname_ending_and_first_name(surname, name);
}

// The number of words the person's name renders: a name with words it does
// not know as parts of a name (Младший) loses them.
std::size_t words_kept(person_name& person) {
    person_request request;
    request.grammatical_case = 1;
    request.any = true;
    std::wstring out;
    render_person_name(person, out, request);
    return words_of(out).size();
}

// Capitalised words a person field would take for a person's name: a
// surname and a first name, with a patronymic when there are three (a third
// name a person field would read as a man's patronymic: Ким Анна Мария stays
// as typed); a longer name when the person's name keeps every word of it
// (Гейдар оглы).
bool names_a_person(const std::vector<std::wstring_view>& words, person_name& person) {
    const std::size_t n = words.size();
    if (!std::all_of(words.begin(), words.begin() + std::min<std::size_t>(n, 3),
                     is_capitalised_word))
        return false;
    if (n == 2) return reads_as_surname_and_first_name(words[0], words[1]);
    if (n == 3) return is_patronymic(words[2]);
    return words_kept(person) == n;
}

}  // namespace

std::uint32_t sole_trader_gender(const organisation_name& organisation) {
    const legal_form_row* form = find_legal_form(organisation.legal_form);
    if (!form || form->abbreviation != L"ИП") return 0;
    const std::wstring name = name_without_tail(organisation);
    const std::vector<std::wstring_view> words = words_of(name);
    if (words.size() < 2 || !is_capitalised_word(words[0])) return 0;
    person_name person(name);
    const bool initials =
        words.size() <= 3 && std::all_of(words.begin() + 1, words.end(), is_initials);
    if (!initials && !names_a_person(words, person)) return 0;
    // As a person field gives it; with initials the surname alone tells a
    // woman (Петрова П.П.).
    return gender_from_patronymic(person) == 2 ? 2 : 1;
}

std::wstring decline_sole_trader_name(const std::wstring& name, int grammatical_case) {
    person_name person(name);
    person_request request;
    request.grammatical_case = grammatical_case;
    request.any = true;
    std::wstring out;
    render_person_name(person, out, request);
    return out;
}

}  // namespace engine
