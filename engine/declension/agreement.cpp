#include "engine/declension/agreement.h"

#include <string_view>

#include "engine/declension/paradigms.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {
namespace {

// Forms for masculine (and every other code), feminine, neuter, plural.
struct agreement_row {
    std::wstring_view key;  // in capitals
    std::wstring_view forms[4];
};

// clang-format off
constexpr agreement_row k_words[] = {
    {L"ОН",        {L"он", L"она", L"оно", L"они"}},
    {L"ЕГО",       {L"его", L"ее", L"его", L"их"}},
    {L"НЕГО",      {L"него", L"нее", L"него", L"них"}},
    {L"ЕМУ",       {L"ему", L"ей", L"ему", L"им"}},
    {L"ИМ",        {L"им", L"ею", L"им", L"ими"}},
    {L"НИМ",       {L"ним", L"нею", L"ним", L"ними"}},
    {L"НЕМ",       {L"нем", L"ней", L"нем", L"них"}},
    {L"НЁМ",       {L"нем", L"ней", L"нем", L"них"}},
    {L"Г-Н",       {L"г-н", L"г-жа", L"г-н", L"г-н"}},
    {L"ГР-Н",      {L"гр-н", L"гр-ка", L"гр-н", L"гр-н"}},
    {L"ГОСПОДИН",  {L"господин", L"госпожа", L"господин", L"господин"}},
    {L"ГРАЖДАНИН", {L"гражданин", L"гражданка", L"гражданин", L"гражданин"}},
    {L"ИСТЕЦ",     {L"истец", L"истица", L"истец", L"истец"}},
    {L"ОТВЕТЧИК",  {L"ответчик", L"ответчица", L"ответчик", L"ответчик"}},
    {L"УРОЖЕНЕЦ",  {L"уроженец", L"уроженка", L"уроженец", L"уроженец"}},
    {L"МУЖ",       {L"муж", L"жена", L"муж", L"муж"}},
    {L"МУЖСКОЙ",   {L"мужской", L"женский", L"мужской", L"мужской"}},
    {L"МУЖЧИНА",   {L"мужчина", L"женщина", L"мужчина", L"мужчина"}},
    {L"СУПРУГ",    {L"супруг", L"супруга", L"супруг", L"супруг"}},
    {L"ОТЕЦ",      {L"отец", L"мать", L"отец", L"отец"}},
    {L"СЫН",       {L"сын", L"дочь", L"сын", L"сын"}},
    {L"ДОЛЖЕН",    {L"должен", L"должна", L"должно", L"должны"}},
    {L"МОГ",       {L"мог", L"могла", L"могло", L"могли"}},
    {L"ВЕСЬ",      {L"весь", L"вся", L"всё", L"все"}},
    {L"ЭТОТ",      {L"этот", L"эта", L"это", L"эти"}},
    {L"ЭТОГО",     {L"этого", L"этой", L"этого", L"этих"}},
    {L"ЭТОМУ",     {L"этому", L"этой", L"этому", L"этим"}},
    {L"ЭТИМ",      {L"этим", L"этой", L"этим", L"этими"}},
    {L"ЭТОМ",      {L"этом", L"этой", L"этом", L"этих"}},
    {L"ТОТ",       {L"тот", L"та", L"то", L"те"}},
    {L"СВОЙ",      {L"свой", L"своя", L"свое", L"свои"}},
};

// Endings, the longer one first; the ending is replaced by the form.
constexpr agreement_row k_endings[] = {
    {L"ЩЕГО", {L"щего", L"щей", L"щего", L"щих"}},
    {L"ЩИЙ",  {L"щий", L"щая", L"щее", L"щие"}},
    {L"ШИЙ",  {L"ший", L"шая", L"шее", L"шие"}},
    {L"КИЙ",  {L"кий", L"кая", L"кое", L"кие"}},
    {L"НИЙ",  {L"ний", L"няя", L"нее", L"ние"}},
    {L"РИЙ",  {L"рий", L"ряя", L"рее", L"рии"}},
    {L"ВЫЙ",  {L"вый", L"вая", L"вое", L"вые"}},
    {L"ЛЫЙ",  {L"лый", L"лая", L"лое", L"лые"}},
    {L"МЫЙ",  {L"мый", L"мая", L"мое", L"мые"}},
    {L"НЫЙ",  {L"ный", L"ная", L"ное", L"ные"}},
    {L"РЫЙ",  {L"рый", L"рая", L"рое", L"рые"}},
    {L"ТЫЙ",  {L"тый", L"тая", L"тое", L"тые"}},
    {L"БОЙ",  {L"бой", L"бая", L"бое", L"бые"}},
    {L"ГОЙ",  {L"гой", L"гая", L"гое", L"гие"}},
    {L"ДОЙ",  {L"дой", L"дая", L"дое", L"дые"}},
    {L"ЛСЯ",  {L"лся", L"лась", L"лось", L"лись"}},
};
// clang-format on

int column(std::uint32_t gender) {
    switch (gender) {
        case 2: return 1;
        case 3: return 2;
        case 4: return 3;
        default: return 0;
    }
}

// Past tenses and short forms: "а", "о", and for the plural "и" where
// Russian spelling wants it (уведомили, смогли), "ы" elsewhere (обязаны).
std::wstring_view gender_letter(std::uint32_t gender, wchar_t last_capital) {
    switch (gender) {
        case 2: return L"а";
        case 3: return L"о";
        case 4:
            return std::wstring_view(L"ЛГКХЖЧШЩ").find(last_capital) != std::wstring_view::npos
                       ? L"и"
                       : L"ы";
        default: return L"";
    }
}

}  // namespace

std::wstring agree_with_gender(std::wstring word, std::uint32_t gender) {
    trim_blanks(word);
    if (word.empty()) return word;
    word = to_upper(std::move(word));
    const int form = column(gender);

    for (const agreement_row& row : k_words) {
        if (word == row.key) return std::wstring(row.forms[form]);
    }
    for (const agreement_row& row : k_endings) {
        if (word.size() > row.key.size() && std::wstring_view(word).ends_with(row.key)) {
            word.resize(word.size() - row.key.size());
            word += row.forms[form];
            return to_lower(std::move(word));
        }
    }
    word += gender_letter(gender, word.back());
    return to_lower(std::move(word));
}

}  // namespace engine
