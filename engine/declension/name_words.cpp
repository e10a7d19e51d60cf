#include "engine/declension/name_words.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/declension/paradigms.h"

namespace engine {

namespace {

std::wstring_view tail(std::wstring_view word, std::size_t n) {
    return word.size() < n ? std::wstring_view() : word.substr(word.size() - n);
}

bool listed(std::wstring_view list, std::wstring_view word) {
    return list.find(word) != std::wstring_view::npos;
}

// `word` is one of the blank-separated words of `list`.
bool holds_word(std::wstring_view list, std::wstring_view word) {
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = std::min(list.find(L' ', start), list.size());
        if (list.substr(start, end - start) == word) return true;
        start = end + 1;
    }
    return false;
}

// A set of Russian letters, either case, as one bit per lower-case letter
// (а ... я, then ё): every name decision asks several of them.
class letter_set {
public:
    constexpr explicit letter_set(std::wstring_view letters) {
        for (wchar_t c : letters) bits_ |= bit(c);
    }
    constexpr bool contains(wchar_t c) const { return (bits_ & bit(c)) != 0; }

private:
    static constexpr std::uint64_t bit(wchar_t c) {
        if (c >= L'А' && c <= L'Я') c = wchar_t(c + 0x20);
        if (c == L'Ё') c = L'ё';
        if (c >= L'а' && c <= L'я') return std::uint64_t(1) << (c - L'а');
        return c == L'ё' ? std::uint64_t(1) << 32 : 0;
    }
    std::uint64_t bits_ = 0;
};

bool in_set(const letter_set& set, wchar_t c) { return set.contains(c); }

bool is_any(std::wstring_view value, std::initializer_list<std::wstring_view> options) {
    for (std::wstring_view option : options)
        if (value == option) return true;
    return false;
}

constexpr letter_set vowels(L"аеёиоуыэюя");
constexpr letter_set voiceless(L"пфкхтсцчшщ");
constexpr letter_set voiced(L"бвгджзлмнр");
constexpr letter_set g_k_zh_kh(L"гкжх");
constexpr letter_set g_k_kh(L"гкх");
constexpr letter_set ch_sh_shch(L"чшщ");
constexpr letter_set hushing(L"жчшщ");

struct ending_class {
    int number;
    std::size_t cut;
    std::array<std::wstring_view, 5> endings;  // cases 2 to 6
};

// clang-format off
constexpr std::array<ending_class, 23> ending_classes = {{
    {1,  0, {L"а",   L"у",   L"а",   L"ым",   L"е"}},    // Иванов
    {2,  0, {L"а",   L"у",   L"а",   L"ом",   L"е"}},    // Смит
    {3,  1, {L"я",   L"ю",   L"я",   L"ем",   L"е"}},    // Гоголь
    {4,  2, {L"ого", L"ому", L"ого", L"им",   L"ом"}},   // Тихий
    {5,  0, {L"а",   L"у",   L"а",   L"ом",   L"е"}},    // Гайдар
    {6,  0, {L"а",   L"у",   L"а",   L"ем",   L"е"}},    // Петрович
    {7,  2, {L"йца", L"йцу", L"йца", L"йцем", L"йце"}},  // Китаец
    {8,  2, {L"ца",  L"цу",  L"ца",  L"цем",  L"це"}},   // Немец
    {9,  2, {L"ого", L"ому", L"ого", L"ым",   L"ом"}},   // Толстой
    {11, 1, {L"ы",   L"е",   L"у",   L"ой",   L"е"}},    // Анна
    {12, 1, {L"и",   L"е",   L"ю",   L"ей",   L"е"}},    // Зозуля
    {13, 1, {L"и",   L"е",   L"у",   L"ой",   L"е"}},    // Ольга
    {14, 1, {L"и",   L"е",   L"у",   L"ей",   L"е"}},    // Саша
    {15, 2, {L"ого", L"ому", L"ого", L"им",   L"ом"}},   // Горький
    {16, 2, {L"ого", L"ому", L"ого", L"ым",   L"ом"}},   // Лесной
    {17, 1, {L"я",   L"ю",   L"я",   L"ем",   L"и"}},    // Валерий
    {18, 2, {L"его", L"ему", L"его", L"им",   L"ем"}},   // Крайний
    {19, 1, {L"и",   L"и",   L"ю",   L"ей",   L"и"}},    // Шония
    {20, 1, {L"и",   L"и",   L"ь",   L"ью",   L"и"}},    // Ассоль
    {21, 2, {L"ой",  L"ой",  L"ую",  L"ой",   L"ой"}},   // Лесная
    {22, 1, {L"ой",  L"ой",  L"у",   L"ой",   L"ой"}},   // Иванова
    {23, 2, {L"ей",  L"ей",  L"юю",  L"ей",   L"ей"}},   // Синяя
    {27, 2, {L"ей",  L"ей",  L"ую",  L"ей",   L"ей"}},   // Старшая
}};

// Names that the ending rules would get wrong, each a whole lower-case word.
// Stressed French surnames in -а and -я: they stay as typed.
constexpr std::array<std::wstring_view, 6> stressed_french = {
    L"дега", L"дюма", L"золя", L"петипа", L"тома", L"труайя"};
// Foreign surnames in -ин: "ом" in the instrumental (Дарвином), where a
// Russian one takes "ым".
constexpr std::array<std::wstring_view, 13> foreign_in = {
    L"болдуин", L"гершвин", L"гриффин", L"гудвин", L"дарвин", L"джоплин", L"кальвин",
    L"кельвин", L"маклафлин", L"маклин", L"остин", L"расин", L"франклин"};
// -ец nouns whose fleeting е a surname loses too (Немца); every other -ец
// surname after a consonant keeps it (Бореца).
constexpr std::array<std::wstring_view, 1> fleeting_ets = {L"немец"};
// Stressed -ая after ж and ш: "ой", not "ей" (Большой, Чужой).
constexpr std::array<std::wstring_view, 3> stressed_hushing_aya = {L"большая", L"меньшая", L"чужая"};
// First parts of double surnames that never decline.
// аль- and эль- are the Arabic article.
constexpr std::array<std::wstring_view, 7> fixed_prefixes = {L"бонч", L"грум", L"кара", L"тер",
                                                             L"хан",  L"аль",  L"эль"};
// First names whose stem changes: the fleeting е of Лев and Павел, the
// stressed ё of Пётр.
constexpr std::array<std::pair<std::wstring_view, std::wstring_view>, 3> first_name_stems = {{
    {L"лев", L"льв"}, {L"павел", L"павл"}, {L"пётр", L"петр"}}};
// Patronymics in -ич stressed on the ending: "ом" in the instrumental.
constexpr std::array<std::wstring_view, 4> stressed_ich = {L"ильич", L"кузьмич", L"лукич", L"фомич"};
// First names with a surname's ending, each list searched as text by
// classify_name_word.
constexpr std::wstring_view first_names_in_ev = L"лев";
constexpr std::wstring_view first_names_in_ov = L"яков";
constexpr std::wstring_view first_names_in_in = L"валентин вениамин константин мартин эмин";
constexpr std::wstring_view first_names_in_yan = L"демьян севастьян емельян лукьян стоян";
constexpr std::wstring_view first_names_in_iy =
    L"анатолий аркадий арсений артемий афанасий валерий василий викентий виталий геннадий георгий "
    L"григорий дмитрий евгений евстафий зиновий иннокентий ираклий лаврентий леонтий "
    L"порфирий прокофий савелий терентий феодосий юлий юрий";
constexpr std::wstring_view first_names_in_ina =
    L"алевтина альбина антонина алина арина валентина василина галина дина екатерина ирина "
    L"карина каролина кристина марина нина полина сабина фаина эвелина родина";
// Men's first names the word rules read as things (Томас like компас, Богдан
// like чемодан), so that only this list tells them for names.
constexpr std::wstring_view men_read_as_things =
    L"александер альберт андреас арсен аслан ахмед бауыржан бенджамин бернард богдан булат "
    L"вазген вардан вахтанг вильгельм вольфганг гамлет герхард густав дональд дэвид евсей елисей "
    L"ержан игнатий ипатий йохан карен кондратий конрад кристиан левон магомед максимилиан марат "
    L"мартен махмуд мефодий мурат мухаммед нарек натан нурлан оливер панкратий патрик петер "
    L"питер платон ринат ричард роберт родион рональд рубен салават самвел себастьян стефан "
    L"тигран тихон том томас фарид фарход фотий франк хасан шерзод эдвард юрген";
// Men's first names in -ль that the word rules read as feminine nouns (like
// модель), so that only this list tells a man's name.
constexpr std::wstring_view men_in_soft_sign =
    L"габриэль даниэль исмаэль исраэль лионель мануэль микаэль михаэль натаниэль рафаэль "
    L"самуэль эммануэль";
// Foreign women's first names that the word rules read as a man's or as
// none, so that without a patronymic only this list tells a woman.
constexpr std::wstring_view women_read_otherwise =
    L"агнес астрид беатрис беверли бетти бриджит венди гвен грейс дженни дженнифер джейн джуди "
    L"долли дорис жаклин жанет жизель жюли зои изабель ингрид ирен кейт кимберли кэрол кэрри "
    L"кэти кэтрин лиз лори люси мадлен маргарет мари мелани мерил молли мэнди мэри натали нелли "
    L"николь ноэми одри пегги рашель рут салли сара синди софи стефани сьюзен тиффани хелен хлоя "
    L"холли ширли элизабет элис элли эллен эмили энн эстер эшли эдит";
// clang-format on

template <std::size_t n>
bool is_listed(const std::array<std::wstring_view, n>& list, std::wstring_view word) {
    for (std::wstring_view entry : list)
        if (entry == word) return true;
    return false;
}

constexpr int unchanged = 0;

// The letter `back` places from the end (1 = last), or 0 when the word is
// shorter: no set holds 0, so a missing letter matches nothing.
wchar_t letter_from_end(std::wstring_view word, std::size_t back) {
    return word.size() < back ? L'\0' : word[word.size() - back];
}

bool is_cyrillic(wchar_t c) { return (c >= L'а' && c <= L'я') || c == L'ё'; }

bool ends_in_consonant(std::wstring_view word) {
    wchar_t last = letter_from_end(word, 1);
    return is_cyrillic(last) && !in_set(vowels, last);
}

bool is_possessive_feminine(std::wstring_view word) {
    return word.size() >= 5 && is_any(tail(word, 3), {L"ова", L"ева", L"ёва", L"ина", L"ына"});
}

// Adjectival -ая: "ей" after ж, ч, ш, щ unless stressed on the ending.
int adjectival_feminine_class(std::wstring_view word) {
    if (!in_set(hushing, letter_from_end(word, 3))) return 21;
    return is_listed(stressed_hushing_aya, word) ? 21 : 27;
}

// A first-declension noun in -а or -я: Анна, Ольга, Саша, Зозуля, Мария.
int first_declension_class(std::wstring_view word) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    if (last == L'я') return before == L'и' ? 19 : 12;
    if (in_set(g_k_zh_kh, before)) return 13;
    if (in_set(ch_sh_shch, before)) return 14;
    return 11;
}

int feminine_class(std::wstring_view word) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    if (last == L'я') {
        // Every adjectival surname in -ая: Толстая and Лесная alike.
        if (before == L'а') return word.size() >= 3 ? adjectival_feminine_class(word) : unchanged;
        if (before == L'я') return word.size() >= 3 ? 23 : unchanged;
        return word.size() >= 2 ? first_declension_class(word) : unchanged;
    }
    if (last == L'а') {
        if (is_any(tail(word, 3), {L"ова", L"ева", L"ёва", L"ина", L"ына"})) return 22;
        if (before == L'\0') return unchanged;
        return first_declension_class(word);
    }
    if (last == L'ь') return word.size() >= 2 ? 3 : unchanged;
    return unchanged;
}

int surname_in_vowel_class(std::wstring_view word, bearer who) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    if (last != L'а' && last != L'я') return unchanged;
    // Моруа, Гарсиа and the stressed French names stay as typed.
    if ((last == L'а' && in_set(vowels, before)) || is_listed(stressed_french, word))
        return unchanged;
    if (last == L'я') {
        if (before == L'а' || before == L'я') return feminine_class(word);
        // Шония and Берия decline like Мария, a man's Кривошея like Зозуля;
        // -оя, -уя and the like stay.
        const bool mans_in_eya = before == L'е' && who == bearer::man && word.size() >= 3;
        if (in_set(vowels, before) && before != L'и' && !mans_in_eya) return unchanged;
        return first_declension_class(word);
    }
    if (is_possessive_feminine(word)) return who == bearer::man ? first_declension_class(word) : 22;
    return first_declension_class(word);
}

int surname_in_ets_class(std::wstring_view word) {
    wchar_t third = letter_from_end(word, 3);
    if (third == L'\0') return unchanged;
    if (in_set(vowels, third)) return 7;
    return is_listed(fleeting_ets, word) ? 8 : 2;
}

int surname_in_j_class(std::wstring_view word) {
    wchar_t third = letter_from_end(word, 3);
    std::wstring_view last_two = tail(word, 2);
    if (third == L'\0') return unchanged;
    if (last_two == L"ой" && word.size() == 3) return 3;  // Цой, Бой: nouns
    if (last_two == L"ый" || last_two == L"ой") {
        if (in_set(g_k_zh_kh, third) || in_set(ch_sh_shch, third)) return 15;
        return third == L'н' ? 16 : 9;
    }
    if (last_two == L"ий") {
        if (in_set(g_k_kh, third)) return 15;
        if (in_set(hushing, third) || third == L'н') return 18;
        return in_set(voiced, third) ? 17 : 4;
    }
    return 3;  // Гай, Маклай, Соловей
}

int surname_class(std::wstring_view word, bearer who) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    std::wstring_view last_two = tail(word, 2);
    if (before == L'\0') return unchanged;
    if (in_set(vowels, last)) return surname_in_vowel_class(word, who);
    if (in_set(voiceless, last)) {
        if (last_two == L"ич") return 6;
        if (last_two == L"ец") return surname_in_ets_class(word);
        if (last_two == L"их" || last_two == L"ых") return unchanged;
        // Unstressed after ц: Штольцем.
        return last == L'ц' ? 6 : 2;
    }
    if (in_set(voiced, last)) {
        if (!is_any(last_two, {L"ов", L"ев", L"ёв", L"ин", L"ын"})) return 5;
        return is_listed(foreign_in, word) ? 5 : 1;
    }
    if (last == L'ь') return 3;
    if (last == L'й') return surname_in_j_class(word);
    return unchanged;
}

int first_name_class(std::wstring_view word, bearer who) {
    wchar_t last = letter_from_end(word, 1);
    wchar_t before = letter_from_end(word, 2);
    if (before == L'\0') return unchanged;
    if (last == L'а' || last == L'я') {
        // Ноа and the like stay as typed; Зоя and Мария decline.
        if (last == L'а' && in_set(vowels, before)) return unchanged;
        return first_declension_class(word);
    }
    bool woman = who == bearer::woman;
    if (last == L'ь') return woman ? 20 : 3;
    if (!ends_in_consonant(word) || woman) return unchanged;
    if (last == L'й') return before == L'и' ? 17 : 3;
    // Unstressed after ж, ш, ч, щ and ц: Францем, Жоржем.
    return in_set(hushing, last) || last == L'ц' ? 6 : 2;
}

void apply_class(std::wstring& word, std::uint32_t grammatical_case, int number) {
    if (number == unchanged || grammatical_case == 1) return;
    for (const ending_class& row : ending_classes) {
        if (row.number != number) continue;
        if (word.size() < row.cut) return;
        word.erase(word.size() - row.cut);
        if (grammatical_case >= 2 && grammatical_case <= 6)
            word += row.endings[grammatical_case - 2];
        return;
    }
}

}  // namespace

int classify_name_word(std::wstring word) {
    std::wstring_view w = word;
    std::wstring_view e2 = tail(w, 2);
    std::wstring_view e3 = tail(w, 3);
    if (is_any(e2, {L"ын", L"ёв", L"ой"})) return 1;
    if (e2 == L"ев") return listed(first_names_in_ev, w) ? 0 : 1;
    if (e2 == L"ов") return listed(first_names_in_ov, w) ? 0 : 1;
    if (e2 == L"ин") return listed(first_names_in_in, w) ? 0 : 1;
    if (e2 == L"ян") return listed(first_names_in_yan, w) ? 0 : 1;
    if (e2 == L"ий") return listed(first_names_in_iy, w) ? 0 : 1;
    if (e2 == L"ая") return 2;
    if (e2 == L"ые" || e2 == L"ие") return 39;
    if (e3 == L"ина") return listed(first_names_in_ina, w) ? 0 : 2;
    if (is_any(e3, {L"ына", L"ова", L"ева", L"ёва"})) return w.size() >= 6 ? 2 : 0;
    if (is_any(e3, {L"ыны", L"ины", L"евы", L"ёвы", L"овы"})) return 38;
    if (e3 == L"овь" && w == L"любовь") return 45;
    return 0;
}

bool is_listed_first_name(std::wstring_view word) {
    for (std::wstring_view list :
         {first_names_in_ev, first_names_in_ov, first_names_in_in, first_names_in_yan,
          first_names_in_iy, first_names_in_ina, men_read_as_things})
        if (holds_word(list, word)) return true;
    return false;
}

bool is_listed_mans_first_name(std::wstring_view word) {
    return holds_word(men_in_soft_sign, word);
}

bool is_listed_womans_first_name(std::wstring_view word) {
    return holds_word(women_read_otherwise, word);
}

std::wstring& decline_person_name(std::wstring& word, std::uint32_t grammatical_case,
                                  std::uint32_t code) {
    if (word.empty()) return word;
    int c = static_cast<int>(grammatical_case);
    switch (code) {
        case name_code::lyubov: word = paradigm_048(std::move(word), c); return word;
        case name_code::plural:
            if (c == 2 || c == 4 || c == 6)
                word += L"х";
            else if (c == 3)
                word += L"м";
            else if (c == 5)
                word += L"ми";
            return word;
        // Persons are animate: the accusative plural is the genitive (Толстых).
        case name_code::adjectival_plural: word = paradigm_078(std::move(word), c, 1); return word;
        case name_code::surname:
            apply_class(word, grammatical_case, surname_class(word, bearer::unknown));
            return word;
        default: apply_class(word, grammatical_case, feminine_class(word)); return word;
    }
}

std::wstring& decline_surname(std::wstring& word, std::uint32_t grammatical_case, bearer who) {
    if (who == bearer::woman && ends_in_consonant(word)) return word;
    apply_class(word, grammatical_case, surname_class(word, who));
    return word;
}

bool is_fixed_surname_prefix(std::wstring_view part) { return is_listed(fixed_prefixes, part); }

std::wstring& decline_first_name(std::wstring& word, std::uint32_t grammatical_case, bearer who) {
    if (grammatical_case < 2 || grammatical_case > 6) return word;
    for (const auto& [name, stem] : first_name_stems) {
        if (word != name) continue;
        word = stem;
        apply_class(word, grammatical_case, 2);
        return word;
    }
    apply_class(word, grammatical_case, first_name_class(word, who));
    return word;
}

bool decline_patronymic(std::wstring& word, std::uint32_t grammatical_case) {
    std::wstring_view last_two = tail(word, 2);
    if (word.size() < 4 || (last_two != L"ич" && last_two != L"на")) return false;
    if (grammatical_case < 2 || grammatical_case > 6) return true;
    int number = last_two == L"на" ? 11 : is_listed(stressed_ich, word) ? 2 : 6;
    apply_class(word, grammatical_case, number);
    return true;
}

}  // namespace engine
