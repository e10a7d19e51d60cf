#include "engine/declension/public_body.h"

#include <array>

#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

struct body_noun {
    std::wstring_view word;
    std::uint32_t gender;
};

constexpr std::array<body_noun, 50> body_nouns = {{
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
}};

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

}  // namespace

public_body_head find_public_body(std::wstring_view name) {
    std::size_t i = 0;
    std::wstring word;
    while (i < name.size()) {
        while (i < name.size() && is_blank(name[i])) ++i;
        word.clear();
        for (; i < name.size() && !is_blank(name[i]); ++i) word += to_lower_char(name[i]);
        if (word.empty()) break;
        for (const body_noun& noun : body_nouns)
            if (word == noun.word) return {i, noun.gender};
        if (!is_adjective(word)) break;
    }
    return {};
}

}  // namespace engine
