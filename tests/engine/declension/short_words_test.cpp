// Two-, three- and four-letter words: a sample of the lists, with
// its form, gender and animacy; the irregular words in every case.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "engine/declension/decline_word.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::untouched;

namespace {

constexpr std::uint32_t m = 1, f = 2, n = 3, pl = 4;
constexpr std::uint32_t inan = 0, anim = 1, none = untouched;

struct sample {
    const wchar_t* word;
    int c;
    const wchar_t* form;
    std::uint32_t gender;
    std::uint32_t animate;
};

void expect_samples(std::initializer_list<sample> samples) {
    for (const sample& s : samples) expect_decl(s.word, s.c, s.form, s.gender, s.animate);
}

struct irregular {
    const wchar_t* word;
    const wchar_t* forms[6];
    std::uint32_t gender;
    std::uint32_t animate;
};

// clang-format off
const irregular k_irregular[] = {
    {L"ты",   {L"ты", L"тебя", L"тебе", L"тебя", L"тобой", L"тебе"}, m, anim},
    {L"боец", {L"боец", L"бойца", L"бойцу", L"бойца", L"бойцом", L"бойце"}, m, anim},
};
// clang-format on

}  // namespace

TEST(ShortWords, IrregularWordsInEveryCase) {
    for (const irregular& w : k_irregular) {
        for (int c = 1; c <= 6; ++c) expect_decl(w.word, c, w.forms[c - 1], w.gender, w.animate);
    }
}

// Words the lists hold apart from their neighbours: fleeting vowels, stores
// against the paradigm, whole-word forms.
TEST(ShortWords, ListedWordsWithTheirStores) {
    expect_samples({
        {L"он", 6, L"нем", m, inan}, {L"щи", 2, L"щей", pl, inan}, {L"юра", 5, L"юрой", m, anim},
        {L"два", 5, L"двумя", pl, inan}, {L"феи", 4, L"фей", pl, anim}, {L"осы", 4, L"ос", pl, anim},
        {L"кол", 4, L"кол", m, inan}, {L"ёрш", 2, L"ерша", m, anim}, {L"пёс", 2, L"пса", m, anim},
        {L"лёд", 2, L"льда", m, inan}, {L"сам", 4, L"самого", m, anim}, {L"все", 2, L"всех", pl, none},
        {L"папа", 4, L"папу", m, anim}, {L"ядра", 2, L"ядер", f, inan}, {L"года", 2, L"лет", pl, inan},
        {L"краб", 4, L"краба", m, anim}, {L"щёки", 2, L"щёк", pl, inan}, {L"рыки", 4, L"рыки", pl, anim},
        {L"люди", 5, L"людьми", pl, anim}, {L"злой", 5, L"злым", m, none}, {L"паёк", 2, L"пайка", m, inan},
        {L"рвач", 4, L"рвач", m, anim}, {L"своё", 2, L"своего", n, inan},
    });
    // желе, кафе and every word like them: indeclinable neuters.
    for (const wchar_t* word : {L"желе", L"кафе", L"шеле", L"жафе"}) {
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, n, none);
    }
}

TEST(ShortWords, TwinsWithYoAndYeDeclineAlike) {
    for (const auto& [yo, ye] : {std::pair{L"рёв", L"рев"}, std::pair{L"мёд", L"мед"}, std::pair{L"сёма", L"сема"},
                                 std::pair{L"лёша", L"леша"}, std::pair{L"чаёк", L"чаек"}, std::pair{L"боёк", L"боек"},
                                 std::pair{L"своё", L"свое"}, std::pair{L"клёв", L"клев"}}) {
        for (int c = 1; c <= 6; ++c) {
            std::uint32_t g1 = untouched, a1 = untouched, g2 = untouched, a2 = untouched;
            std::wstring yo_form = decline_word(yo, c, &g1, &a1);
            std::wstring ye_form = decline_word(ye, c, &g2, &a2);
            EXPECT_NE(g1, untouched) << yo_form;
            for (wchar_t& letter : yo_form)
                if (letter == L'ё') letter = L'е';
            EXPECT_EQ(yo_form, ye_form);
            EXPECT_EQ(g1, g2);
            EXPECT_EQ(a1, a2);
        }
    }
}

TEST(ShortWords, UnlistedWordsComeBackUntouched) {
    for (const wchar_t* word : {L"ёмь", L"ОН", L"Кот", L"xy", L"кту", L"тою", L"атэ", L"объ", L"кофу", L"меню",
                                L"каноэ", L"подъ", L"хрюю", L"абвж"}) {
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, untouched, untouched);
    }
}
