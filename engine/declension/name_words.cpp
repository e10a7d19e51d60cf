#include "engine/declension/name_words.h"

#include <array>
#include <string_view>

#include "engine/declension/paradigms.h"

namespace engine {

namespace {

std::wstring_view tail(std::wstring_view word, std::size_t n) {
    return word.size() < n ? std::wstring_view() : word.substr(word.size() - n);
}

bool listed(std::wstring_view list, std::wstring_view word) { return list.find(word) != std::wstring_view::npos; }

bool in_set(std::wstring_view set, wchar_t c) { return set.find(c) != std::wstring_view::npos; }

bool is_any(std::wstring_view value, std::initializer_list<std::wstring_view> options) {
    for (std::wstring_view option : options)
        if (value == option) return true;
    return false;
}

constexpr std::wstring_view vowels = L"аеёиоуыэюяАЕЁИОУЫЭЮЯ";
constexpr std::wstring_view voiceless = L"пфкхтсцчшщПФКХТСЦЧШЩ";
constexpr std::wstring_view voiced = L"бвгджзлмнрБВГДЖЗЛМНР";
constexpr std::wstring_view g_k_zh_kh = L"гкжхГКЖХ";
constexpr std::wstring_view ch_sh_shch = L"чшщЧШЩ";
constexpr std::wstring_view hushing = L"жчшщЖЧШЩ";

struct ending_class {
    int number;
    std::size_t cut;
    std::array<std::wstring_view, 5> endings;  // cases 2 to 6
};

// clang-format off
constexpr std::array<ending_class, 18> ending_classes = {{
    {1,  0, {L"а",   L"у",   L"а",   L"ым",   L"е"}},    // Иванов
    {2,  0, {L"а",   L"у",   L"а",   L"ом",   L"е"}},    // Смит
    {3,  1, {L"я",   L"ю",   L"я",   L"ем",   L"е"}},    // Гоголь
    {4,  2, {L"ого", L"ому", L"ого", L"им",   L"ом"}},   // Тихий
    {5,  0, {L"а",   L"у",   L"а",   L"ом",   L"е"}},    // Гайдар
    {6,  0, {L"а",   L"у",   L"а",   L"ем",   L"е"}},    // Петрович
    {7,  2, {L"йца", L"йцу", L"йца", L"йцем", L"йце"}},  // Китаец
    {8,  2, {L"ца",  L"цу",  L"ца",  L"цом",  L"це"}},   // Кравец
    {9,  2, {L"ого", L"ому", L"ого", L"ым",   L"ом"}},   // Толстой
    {11, 1, {L"ы",   L"е",   L"у",   L"ой",   L"е"}},    // Анна
    {12, 1, {L"и",   L"е",   L"ю",   L"ей",   L"е"}},    // Зозуля
    {13, 1, {L"и",   L"е",   L"у",   L"ой",   L"е"}},    // Ольга
    {14, 1, {L"и",   L"е",   L"у",   L"ей",   L"е"}},    // Саша
    {15, 2, {L"ого", L"ому", L"ого", L"им",   L"ом"}},   // Горький
    {16, 2, {L"ого", L"ому", L"ого", L"ым",   L"ом"}},   // Лесной
    {21, 2, {L"ой",  L"ой",  L"ую",  L"ой",   L"ой"}},   // Лесная
    {22, 1, {L"ой",  L"ой",  L"у",   L"ой",   L"ой"}},   // Иванова
    {27, 2, {L"ей",  L"ей",  L"ую",  L"ей",   L"ей"}},   // Старшая
}};
// clang-format on

constexpr int unchanged = 0;

// The letter `back` places from the end (1 = last), or 0 when the word is
// shorter: no set holds 0, so a missing letter matches nothing.
wchar_t letter_from_end(std::wstring_view word, std::size_t back) {
    return word.size() < back ? L'\0' : word[word.size() - back];
}

int feminine_class(std::wstring_view word) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    if (last == L'я') {
        // Every adjectival surname in -ая: Толстая and Лесная alike.
        if (before == L'а') return word.size() >= 3 ? (in_set(hushing, letter_from_end(word, 3)) ? 27 : 21) : unchanged;
        return word.size() >= 2 ? 12 : unchanged;
    }
    if (last == L'а') {
        if (is_any(tail(word, 3), {L"ова", L"ева", L"ёва", L"ина", L"ына"})) return 22;
        if (before == L'\0') return unchanged;
        if (in_set(g_k_zh_kh, before)) return 13;
        if (in_set(ch_sh_shch, before)) return 14;
        return 11;
    }
    if (last == L'ь') return word.size() >= 2 ? 3 : unchanged;
    return unchanged;
}

int surname_class(std::wstring_view word) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    wchar_t third = letter_from_end(word, 3);
    std::wstring_view last_two = tail(word, 2);
    if (before == L'\0') return unchanged;
    if (in_set(vowels, last)) {
        if (last == L'а') {
            if (is_any(tail(word, 3), {L"ина", L"ева", L"ова"})) return feminine_class(word);
            if (in_set(g_k_zh_kh, before)) return 13;
            if (in_set(ch_sh_shch, before)) return 14;
            return 11;
        }
        if (last == L'я') {
            if (last_two == L"ая") return feminine_class(word);
            return in_set(vowels, before) ? unchanged : 12;
        }
        return unchanged;
    }
    if (in_set(voiceless, last)) {
        if (last_two == L"ич") return 6;
        if (last_two == L"ец") {
            if (third == L'\0') return unchanged;
            return in_set(vowels, third) ? 7 : 8;
        }
        if (last_two == L"их" || last_two == L"ых") return unchanged;
        return 2;
    }
    if (in_set(voiced, last)) return is_any(last_two, {L"ов", L"ев", L"ёв", L"ин", L"ын"}) ? 1 : 5;
    if (last == L'ь') return 3;
    if (last == L'й') {
        if (third == L'\0') return unchanged;
        if (last_two == L"ый" || last_two == L"ой") {
            if (in_set(g_k_zh_kh, third)) return 15;
            return third == L'н' ? 16 : 9;
        }
        if (!in_set(voiceless, third)) return 3;
        return tail(word, 3) == L"кий" ? 15 : 4;
    }
    return unchanged;
}

void apply_class(std::wstring& word, std::uint32_t grammatical_case, int number) {
    if (number == unchanged || grammatical_case == 1) return;
    for (const ending_class& row : ending_classes) {
        if (row.number != number) continue;
        if (word.size() < row.cut) return;
        word.erase(word.size() - row.cut);
        if (grammatical_case >= 2 && grammatical_case <= 6) word += row.endings[grammatical_case - 2];
        return;
    }
}

}  // namespace

int classify_name_word(std::wstring word) {
    std::wstring_view w = word;
    std::wstring_view e2 = tail(w, 2);
    std::wstring_view e3 = tail(w, 3);
    if (is_any(e2, {L"ын", L"ёв", L"ой"})) return 1;
    if (e2 == L"ев") return listed(L"лев", w) ? 0 : 1;
    if (e2 == L"ов") return listed(L"яков", w) ? 0 : 1;
    if (e2 == L"ин") return listed(L"валентин вениамин константин мартин эмин", w) ? 0 : 1;
    if (e2 == L"ян") return listed(L"демьян севастьян емельян лукьян стоян", w) ? 0 : 1;
    if (e2 == L"ий")
        return listed(L"анатолий аркадий арсений артемий афанасий валерий василий викентий виталий геннадий георгий "
                      L"григорий дмитрий евгений евстафий зиновий иннокентий ираклий лаврентий леонтий "
                      L"порфирий прокофий савелий терентий феодосий юлий юрий",
                      w)
                   ? 0
                   : 1;
    if (e2 == L"ая") return 2;
    if (e2 == L"ые" || e2 == L"ие") return 39;
    if (e3 == L"ина")
        return listed(L"алевтина альбина антонина алина арина валентина василина галина дина екатерина ирина "
                      L"карина каролина кристина марина нина полина сабина фаина эвелина родина",
                      w)
                   ? 0
                   : 2;
    if (is_any(e3, {L"ына", L"ова", L"ева", L"ёва"})) return w.size() >= 6 ? 2 : 0;
    if (is_any(e3, {L"ыны", L"ины", L"евы", L"ёвы", L"овы"})) return 38;
    if (e3 == L"овь" && w == L"любовь") return 45;
    return 0;
}

std::wstring& decline_person_name(std::wstring& word, std::uint32_t grammatical_case, std::uint32_t code) {
    if (word.empty()) return word;
    int c = static_cast<int>(grammatical_case);
    switch (code) {
    case name_code::lyubov: word = paradigm_048(std::move(word), c); return word;
    case name_code::plural:
        if (c == 2 || c == 4 || c == 6) word += L"х";
        else if (c == 3) word += L"м";
        else if (c == 5) word += L"ми";
        return word;
    // Persons are animate: the accusative plural is the genitive (Толстых).
    case name_code::adjectival_plural: word = paradigm_078(std::move(word), c, 1); return word;
    case name_code::surname: apply_class(word, grammatical_case, surname_class(word)); return word;
    default: apply_class(word, grammatical_case, feminine_class(word)); return word;
    }
}

}  // namespace engine
