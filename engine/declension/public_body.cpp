#include "engine/declension/public_body.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

struct body_word {
    std::wstring_view word;
    std::uint32_t gender;
};

// In small letters, compared with a whole word in any letter case. Words like
// Росреестр are nouns here: they decline as words do («Росреестру»).
// clang-format off
constexpr std::array<body_word, 60> body_nouns = {{
    {L"администрация", 2}, {L"министерство", 3},  {L"управление", 3},   {L"учреждение", 3},
    {L"комитет", 1},       {L"департамент", 1},   {L"агентство", 3},    {L"инспекция", 2},
    {L"служба", 2},        {L"правительство", 3}, {L"прокуратура", 2},  {L"суд", 1},
    {L"отдел", 1},         {L"отделение", 3},     {L"комиссия", 2},     {L"фонд", 1},
    {L"банк", 1},          {L"центр", 1},         {L"палата", 2},       {L"совет", 1},
    {L"дума", 2},          {L"собрание", 3},      {L"казначейство", 3}, {L"представительство", 3},
    {L"филиал", 1},        {L"институт", 1},      {L"университет", 1},  {L"академия", 2},
    {L"школа", 2},         {L"лицей", 1},         {L"гимназия", 2},     {L"колледж", 1},
    {L"больница", 2},      {L"поликлиника", 2},   {L"библиотека", 2},   {L"музей", 1},
    {L"театр", 1},         {L"училище", 3},       {L"техникум", 1},     {L"госпиталь", 1},
    {L"диспансер", 1},     {L"архив", 1},         {L"комиссариат", 1},  {L"управа", 2},
    {L"префектура", 2},    {L"мэрия", 2},         {L"коллегия", 2},     {L"посольство", 3},
    {L"консульство", 3},   {L"часть", 2},
    // Territories as parties: «Городской округ Балашиха», «Республика Татарстан».
    {L"округ", 1},         {L"район", 1},         {L"край", 1},         {L"поселение", 3},
    {L"образование", 3},   {L"область", 2},       {L"республика", 2},
    {L"росреестр", 1},     {L"роспотребнадзор", 1}, {L"росздравнадзор", 1},
}};

// As written, in capitals; each has the gender of the noun it stands for
// («инспекция», «служба», «комиссия», «академия», «управление»,
// «отделение», «отдел», «центр», «фонд», «университет»). «ГУ» before one of
// them is «главное управление» (ГУ МВД, ГУ ФССП).
constexpr std::array<body_word, 60> body_abbreviations = {{
    {L"ИФНС", 2},    {L"МИФНС", 2},  {L"МРИ ФНС", 2}, {L"ФНС", 2},    {L"ФССП", 2},   {L"ГИБДД", 2},
    {L"ФМС", 2},     {L"ФСБ", 2},    {L"ФСИН", 2},    {L"ФТС", 2},    {L"ФАС", 2},    {L"ГИТ", 2},
    {L"ГЖИ", 2},     {L"ЦИК", 2},    {L"ТИК", 2},     {L"УИК", 2},    {L"ИК", 2},     {L"РАНХиГС", 2},
    {L"ВШЭ", 2},     {L"ЦБС", 2},
    {L"УФНС", 3},    {L"УФССП", 3},  {L"ГУФССП", 3},  {L"УФМС", 3},   {L"УМВД", 3},   {L"ГУВД", 3},
    {L"УВД", 3},     {L"УФК", 3},    {L"УФАС", 3},    {L"УФСБ", 3},   {L"УФСИН", 3},  {L"ОСФР", 3},
    {L"ОПФР", 3},    {L"ОФСС", 3},   {L"МВД", 3},     {L"МЧС", 3},    {L"МИД", 3},
    {L"ОМВД", 1},    {L"МФЦ", 1},    {L"ЗАГС", 1},    {L"ОВД", 1},    {L"РОВД", 1},   {L"ОВМ", 1},
    {L"ОГИБДД", 1},  {L"ОП", 1},     {L"ОСП", 1},     {L"ЦЗН", 1},    {L"ПФР", 1},    {L"СФР", 1},
    {L"ФСС", 1},     {L"ФОМС", 1},   {L"ТФОМС", 1},   {L"ЦБ", 1},     {L"МГУ", 1},    {L"СПбГУ", 1},
    {L"МФТИ", 1},    {L"НИУ", 1},    {L"МГТУ", 1},    {L"МГСУ", 1},   {L"МПГУ", 1},
}};

// Ministries written short, «Мин» and a noun in small letters: in the
// nominative (Минфин, Минстрой) masculine and declined as that noun; in the
// genitive (Минобороны, Минэнерго) neuter and as typed.
constexpr std::array<std::wstring_view, 11> ministries_in_nominative = {
    L"фин", L"юст", L"здрав", L"труд", L"промторг", L"строй", L"сельхоз", L"транс", L"спорт",
    L"регион", L"кавказ"};
constexpr std::array<std::wstring_view, 16> ministries_in_genitive = {
    L"обороны", L"экономразвития", L"обрнауки", L"цифры", L"природы", L"культуры", L"просвещения",
    L"энерго", L"востокразвития", L"науки", L"образования", L"экономики", L"связи", L"спорта",
    L"соцразвития", L"промэнерго"};
// clang-format on

// The endings of an adjective before its noun, in any gender («Федеральная»,
// «Арбитражный», «Главное», «Северо-Западное»).
constexpr std::array<std::wstring_view, 7> adjective_endings = {L"ый", L"ий", L"ой", L"ая",
                                                                L"яя", L"ое", L"ее"};

template <std::size_t n>
bool is_listed(const std::array<std::wstring_view, n>& list, std::wstring_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool ends_word(std::wstring_view rest) {
    return rest.empty() || !(is_alpha_char(rest[0]) || is_digit(rest[0]) || rest[0] == L'-');
}

// The abbreviation `text` opens with, as a whole word: «ФССП» is not «ФСС»,
// and a hyphen after it («ИФНС-2») makes it part of another word.
const body_word* abbreviation_at(std::wstring_view text) {
    for (const body_word& row : body_abbreviations)
        if (text.starts_with(row.word) && ends_word(text.substr(row.word.size()))) return &row;
    return nullptr;
}

constexpr body_word main_directorate = {L"ГУ", 3};
// The services «ГУ» before which is «главное управление»; before a fund's
// branch (ГУ ОПФР) it is «государственное учреждение», a legal form.
constexpr std::array<std::wstring_view, 6> services_with_main_directorates = {
    L"МВД", L"МЧС", L"ФССП", L"ФСИН", L"ФСБ", L"ФМС"};

// An abbreviation of the list, or «ГУ» before a service's.
const body_word* body_abbreviation_at(std::wstring_view text) {
    if (text.starts_with(L"ГУ "))
        if (const body_word* service = abbreviation_at(text.substr(3)))
            if (is_listed(services_with_main_directorates, service->word)) return &main_directorate;
    return abbreviation_at(text);
}

// A ministry written short opening `text`: the length of its word, and its
// gender (1 declined as its noun, 3 as typed); 0 when none opens it.
std::size_t short_ministry_at(std::wstring_view text, std::uint32_t& gender) {
    if (!text.starts_with(L"Мин")) return 0;
    std::size_t end = 3;
    while (end < text.size() && is_alpha_char(text[end])) ++end;
    if (!ends_word(text.substr(end))) return 0;
    const std::wstring noun = to_lower(std::wstring(text.substr(3, end - 3)));
    if (is_listed(ministries_in_nominative, noun))
        gender = 1;
    else if (is_listed(ministries_in_genitive, noun))
        gender = 3;
    else
        return 0;
    return end;
}

}  // namespace

bool is_adjective(std::wstring_view word) {
    if (word.size() < 4) return false;
    for (std::wstring_view ending : adjective_endings)
        if (word.ends_with(ending)) return true;
    return false;
}

public_body_head find_public_body(std::wstring_view name) {
    std::size_t i = 0, adjectives_end = 0;
    std::wstring word;
    while (i < name.size()) {
        while (i < name.size() && is_blank(name[i])) ++i;
        if (const body_word* abbreviation = body_abbreviation_at(name.substr(i)))
            return {adjectives_end, abbreviation->gender, true};
        std::uint32_t ministry_gender = 0;
        if (const std::size_t length = short_ministry_at(name.substr(i), ministry_gender))
            return {adjectives_end, ministry_gender, true, ministry_gender == 1 ? i + length : 0};
        word.clear();
        for (; i < name.size() && !is_blank(name[i]); ++i) word += to_lower_char(name[i]);
        if (word.empty()) break;
        for (const body_word& noun : body_nouns)
            if (word == noun.word) return {i, noun.gender};
        if (!is_adjective(word)) break;
        adjectives_end = i;
    }
    return {};
}

std::wstring decline_short_ministry(std::wstring_view word, int grammatical_case) {
    std::wstring form(word);
    if (grammatical_case < 2 || grammatical_case > 6 || grammatical_case == 4) return form;
    // Минстрой like строй, Минфин like a hard noun.
    const bool soft = form.back() == L'й';
    if (soft) form.pop_back();
    constexpr std::array<std::wstring_view, 5> hard = {L"а", L"у", L"", L"ом", L"е"};
    constexpr std::array<std::wstring_view, 5> soft_endings = {L"я", L"ю", L"", L"ем", L"е"};
    form += (soft ? soft_endings : hard)[static_cast<std::size_t>(grammatical_case - 2)];
    return form;
}

}  // namespace engine
