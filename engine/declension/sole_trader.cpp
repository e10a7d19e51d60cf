#include "engine/declension/sole_trader.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/declension/legal_forms.h"
#include "engine/declension/name_words.h"
#include "engine/declension/person_name.h"
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

std::uint32_t gender_of_patronymic(const std::wstring& patronymic) {
    if (ends_with(patronymic, L"ич")) return 1;
    if (ends_with(patronymic, L"вна") || ends_with(patronymic, L"чна")) return 2;
    return 0;
}

// Without a patronymic the surname must look like one and the first name be
// a word the lists give a gender.
std::uint32_t gender_of_two_words(const std::wstring& surname, const std::wstring& first_name) {
    std::wstring lowered = to_lower(surname);
    std::size_t dash = lowered.rfind(L'-');
    if (classify_name_word(dash == std::wstring::npos ? lowered : lowered.substr(dash + 1)) <= 0)
        return 0;
    // The word lists spell ё as е (Семён).
    std::wstring word = first_name;
    for (wchar_t& c : word)
        if (c == L'ё') c = L'е';
    std::uint32_t gender = 0, animate = 0;
    decline_word(std::move(word), 0, &gender, &animate);
    return gender == 1 || gender == 2 ? gender : 0;
}

}  // namespace

std::uint32_t sole_trader_gender(const organisation_name& organisation) {
    const legal_form_row* form = find_legal_form(organisation.legal_form);
    if (!form || form->abbreviation != L"ИП") return 0;
    std::vector<std::wstring_view> words = words_of(organisation.name);
    if (words.size() < 2 || words.size() > 3 || !is_capitalised_word(words[0])) return 0;
    if (std::all_of(words.begin() + 1, words.end(), is_initials)) {
        // The surname alone tells a woman (Петрова П.П.).
        person_name person{std::wstring(organisation.name)};
        return gender_from_patronymic(person) == 2 ? 2 : 1;
    }
    for (std::wstring_view word : words)
        if (!is_capitalised_word(word)) return 0;
    if (words.size() == 3) return gender_of_patronymic(to_lower(std::wstring(words[2])));
    return gender_of_two_words(std::wstring(words[0]), to_lower(std::wstring(words[1])));
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
