#include "engine/declension/public_body.h"

#include <array>

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
// («инспекция», «управление», «отдел», «центр», «фонд», «университет»).
constexpr std::array<body_word, 30> body_abbreviations = {{
    {L"ИФНС", 2},   {L"ФНС", 2},    {L"ФССП", 2},   {L"ГИБДД", 2},  {L"ФМС", 2},
    {L"ФСБ", 2},    {L"ФСИН", 2},   {L"ФТС", 2},    {L"ФАС", 2},
    {L"УФНС", 3},   {L"УФССП", 3},  {L"УФМС", 3},   {L"УМВД", 3},   {L"ГУ МВД", 3},
    {L"МВД", 3},    {L"МЧС", 3},    {L"ГУ МЧС", 3}, {L"МИД", 3},
    {L"ОМВД", 1},   {L"МФЦ", 1},    {L"ЗАГС", 1},   {L"ОВД", 1},    {L"ПФР", 1},
    {L"СФР", 1},    {L"ФСС", 1},    {L"ФОМС", 1},   {L"ТФОМС", 1},  {L"ЦБ", 1},
    {L"МГУ", 1},    {L"СПбГУ", 1},
}};
// clang-format on

// The endings of an adjective before its noun, in any gender («Федеральная»,
// «Арбитражный», «Главное», «Северо-Западное»).
constexpr std::array<std::wstring_view, 7> adjective_endings = {L"ый", L"ий", L"ой", L"ая",
                                                                L"яя", L"ое", L"ее"};

bool is_adjective(std::wstring_view word) {
    if (word.size() < 4) return false;
    for (std::wstring_view ending : adjective_endings)
        if (word.ends_with(ending)) return true;
    return false;
}

// The abbreviation `text` opens with, as a whole word: «ФССП» is not «ФСС»,
// and a hyphen after it («ИФНС-2») makes it part of another word.
const body_word* abbreviation_at(std::wstring_view text) {
    for (const body_word& row : body_abbreviations) {
        if (!text.starts_with(row.word)) continue;
        const std::wstring_view rest = text.substr(row.word.size());
        if (rest.empty() || !(is_alpha_char(rest[0]) || is_digit(rest[0]) || rest[0] == L'-'))
            return &row;
    }
    return nullptr;
}

}  // namespace

public_body_head find_public_body(std::wstring_view name) {
    std::size_t i = 0, adjectives_end = 0;
    std::wstring word;
    while (i < name.size()) {
        while (i < name.size() && is_blank(name[i])) ++i;
        if (const body_word* abbreviation = abbreviation_at(name.substr(i)))
            return {adjectives_end, abbreviation->gender, true};
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

}  // namespace engine
