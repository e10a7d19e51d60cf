// Two-, three- and four-letter words: a sample of the lists, with its form,
// gender and animacy; the irregular words in every case.
#include <algorithm>

#include "engine/declension/decline_word.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::untouched;

constexpr std::uint32_t m = 1, f = 2, n = 3, pl = 4, inan = 0, anim = 1, none = untouched;

TEST(ShortWords, IrregularWordsInEveryCase) {
    const wchar_t* ty[] = {L"ты", L"тебя", L"тебе", L"тебя", L"тобой", L"тебе"};
    const wchar_t* boets[] = {L"боец", L"бойца", L"бойцу", L"бойца", L"бойцом", L"бойце"};
    for (int c = 1; c <= 6; ++c) {
        expect_decl(L"ты", c, ty[c - 1], m, anim);
        expect_decl(L"боец", c, boets[c - 1], m, anim);
    }
}

// Words the lists hold apart from their neighbours: fleeting vowels, stores
// against the paradigm, whole-word forms.
TEST(ShortWords, ListedWordsWithTheirStores) {
    const struct { const wchar_t* word; int c; const wchar_t* form; std::uint32_t gender, animate; } samples[] = {
        {L"он", 6, L"нем", m, inan}, {L"щи", 2, L"щей", pl, inan}, {L"юра", 5, L"юрой", m, anim},
        {L"два", 5, L"двумя", pl, inan}, {L"феи", 4, L"фей", pl, anim}, {L"осы", 4, L"ос", pl, anim},
        {L"кол", 4, L"кол", m, inan}, {L"ёрш", 2, L"ерша", m, anim}, {L"пёс", 2, L"пса", m, anim},
        {L"лёд", 2, L"льда", m, inan}, {L"сам", 4, L"самого", m, anim}, {L"все", 2, L"всех", pl, none},
        {L"папа", 4, L"папу", m, anim}, {L"ядра", 2, L"ядер", f, inan}, {L"года", 2, L"лет", pl, inan},
        {L"краб", 4, L"краба", m, anim}, {L"щёки", 2, L"щёк", pl, inan}, {L"рыки", 4, L"рыки", pl, anim},
        {L"люди", 5, L"людьми", pl, anim}, {L"злой", 5, L"злым", m, none}, {L"паёк", 2, L"пайка", m, inan},
        {L"рвач", 4, L"рвач", m, anim}, {L"своё", 2, L"своего", n, inan},
    };
    for (const auto& s : samples) expect_decl(s.word, s.c, s.form, s.gender, s.animate);
    // желе, кафе and every word like them: indeclinable neuters.
    for (const wchar_t* word : {L"желе", L"кафе", L"шеле", L"жафе"})
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, n, none);
}

TEST(ShortWords, TwinsWithYoAndYeDeclineAlike) {
    const std::pair<const wchar_t*, const wchar_t*> twins[] = {
        {L"рёв", L"рев"},   {L"мёд", L"мед"},   {L"сёма", L"сема"}, {L"лёша", L"леша"},
        {L"чаёк", L"чаек"}, {L"боёк", L"боек"}, {L"своё", L"свое"}, {L"клёв", L"клев"}};
    for (const auto& [yo, ye] : twins)
        for (int c = 1; c <= 6; ++c) {
            std::uint32_t g1 = untouched, a1 = untouched, g2 = untouched, a2 = untouched;
            std::wstring yo_form = decline_word(yo, c, &g1, &a1);
            std::wstring ye_form = decline_word(ye, c, &g2, &a2);
            EXPECT_NE(g1, untouched) << yo_form;
            std::replace(yo_form.begin(), yo_form.end(), L'ё', L'е');
            EXPECT_EQ(yo_form, ye_form);
            EXPECT_EQ(g1, g2);
            EXPECT_EQ(a1, a2);
        }
}

TEST(ShortWords, UnlistedWordsComeBackUntouched) {
    for (const wchar_t* word : {L"ёмь", L"ОН", L"Кот", L"xy", L"кту", L"тою", L"атэ", L"объ", L"кофу", L"меню",
                                L"каноэ", L"подъ", L"хрюю", L"абвж"})
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, untouched, untouched);
}
