// Two-, three- and four-letter words: one representative per list row, with
// its form, gender and animacy; the irregular words in every case.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
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
    {L"мы",   {L"мы", L"нас", L"нам", L"нас", L"нами", L"нас"}, pl, anim},
    {L"вы",   {L"вы", L"вас", L"вам", L"вас", L"вами", L"вас"}, pl, anim},
    {L"то",   {L"то", L"того", L"тому", L"то", L"тем", L"том"}, n, inan},
    {L"те",   {L"те", L"тех", L"тем", L"те", L"теми", L"тех"}, pl, inan},
    {L"она",  {L"она", L"ее", L"ей", L"ее", L"ею", L"ней"}, f, inan},
    {L"оба",  {L"оба", L"обоих", L"обоим", L"оба", L"обоими", L"обоих"}, pl, inan},
    {L"они",  {L"они", L"их", L"им", L"их", L"ими", L"них"}, pl, inan},
    {L"три",  {L"три", L"трех", L"трем", L"три", L"тремя", L"трех"}, pl, inan},
    {L"мои",  {L"мои", L"моих", L"моим", L"мои", L"моими", L"моих"}, pl, none},
    {L"эти",  {L"эти", L"этих", L"этим", L"эти", L"этими", L"этих"}, pl, none},
    {L"свои", {L"свои", L"своих", L"своим", L"свои", L"своими", L"своих"}, pl, none},
    {L"твои", {L"твои", L"твоих", L"твоим", L"твои", L"твоими", L"твоих"}, pl, none},
    {L"боец", {L"боец", L"бойца", L"бойцу", L"бойца", L"бойцом", L"бойце"}, m, anim},
    {L"заяц", {L"заяц", L"зайца", L"зайцу", L"зайца", L"зайцем", L"зайце"}, m, anim},
    {L"елец", {L"елец", L"ельца", L"ельцу", L"елец", L"ельцом", L"ельце"}, m, inan},
    {L"яйца", {L"яйца", L"яиц", L"яйцам", L"яйца", L"яйцами", L"яйцах"}, pl, inan},
    {L"ложе", {L"ложе", L"ложи", L"ложу", L"ложе", L"ложем", L"ложе"}, n, inan},
};
// clang-format on

}  // namespace

TEST(ShortWords, IrregularWordsInEveryCase) {
    for (const irregular& w : k_irregular) {
        for (int c = 1; c <= 6; ++c) expect_decl(w.word, c, w.forms[c - 1], w.gender, w.animate);
    }
}

TEST(ShortWords, TwoLetters) {
    expect_samples({
        {L"юг", 2, L"юга", m, inan},   {L"ох", 5, L"охом", m, inan},  {L"ёж", 4, L"ёжа", m, anim},
        {L"еж", 2, L"ежа", m, anim},   {L"он", 3, L"ему", m, inan},   {L"он", 6, L"нем", m, inan},
        {L"та", 4, L"ту", f, inan},    {L"ея", 2, L"еи", f, inan},    {L"ия", 4, L"ию", f, anim},
        {L"щи", 2, L"щей", pl, inan},
    });
}

TEST(ShortWords, ThreeLettersInA) {
    expect_samples({
        {L"ива", 2, L"ивы", f, inan},  {L"оса", 4, L"осу", f, anim},   {L"юра", 5, L"юрой", m, anim},
        {L"уха", 2, L"ухи", f, inan},  {L"яша", 2, L"яши", m, anim},   {L"эта", 5, L"этой", f, inan},
        {L"юга", 2, L"югов", pl, inan}, {L"два", 5, L"двумя", pl, inan}, {L"два", 4, L"два", pl, inan},
    });
}

TEST(ShortWords, ThreeLettersInI) {
    expect_samples({
        {L"яки", 2, L"яков", pl, anim}, {L"уми", 2, L"умов", pl, inan}, {L"очи", 2, L"очей", pl, inan},
        {L"вши", 4, L"вшей", pl, inan}, {L"ежи", 4, L"ежей", pl, anim}, {L"дни", 3, L"дням", pl, inan},
        {L"чаи", 2, L"чаев", pl, inan}, {L"феи", 4, L"фей", pl, anim},  {L"шеи", 2, L"шей", pl, inan},
        {L"геи", 4, L"геев", pl, anim},
    });
}

TEST(ShortWords, ThreeLettersInY) {
    expect_samples({
        {L"псы", 4, L"псов", pl, anim}, {L"ямы", 2, L"ям", pl, inan}, {L"осы", 4, L"ос", pl, anim},
        {L"рты", 2, L"ртов", pl, inan},
    });
}

TEST(ShortWords, ThreeLettersOther) {
    expect_samples({
        {L"кол", 2, L"кола", m, inan},   {L"кол", 4, L"кол", m, inan},    {L"сыч", 4, L"сыча", m, inan},
        {L"кот", 4, L"кота", m, anim},   {L"ёрш", 2, L"ерша", m, anim},   {L"ерш", 5, L"ершом", m, anim},
        {L"нож", 5, L"ножем", m, inan},  {L"муж", 4, L"мужа", m, anim},   {L"муж", 5, L"мужем", m, anim},
        {L"пёс", 2, L"пса", m, anim},    {L"пес", 3, L"псу", m, anim},    {L"чай", 2, L"чая", m, inan},
        {L"гей", 1, L"гей", m, anim},    {L"гей", 4, L"гея", m, anim},    {L"лоб", 2, L"лба", m, inan},
        {L"шов", 2, L"шва", m, inan},    {L"лёд", 2, L"льда", m, inan},   {L"лед", 5, L"льдом", m, inan},
        {L"лев", 4, L"льва", m, anim},   {L"рот", 2, L"рта", m, inan},    {L"сон", 2, L"сна", m, inan},
        {L"лён", 2, L"льна", m, inan},   {L"лен", 6, L"льне", m, inan},   {L"наш", 2, L"нашего", m, inan},
        {L"мой", 2, L"моего", m, inan},  {L"сей", 2, L"сего", m, inan},   {L"тот", 5, L"тем", m, inan},
        {L"сам", 4, L"самого", m, anim}, {L"кто", 3, L"кому", m, anim},   {L"шея", 5, L"шеей", f, inan},
        {L"фея", 4, L"фею", f, anim},    {L"ось", 5, L"осью", f, inan},   {L"вся", 2, L"всей", f, inan},
        {L"имя", 2, L"имени", n, inan},  {L"ухо", 2, L"уха", n, inan},    {L"моё", 2, L"моего", n, inan},
        {L"мое", 5, L"моим", n, inan},   {L"всё", 5, L"всем", n, inan},   {L"оно", 3, L"ему", n, inan},
        {L"сие", 2, L"сего", n, inan},   {L"это", 5, L"этим", n, inan},   {L"что", 2, L"чего", n, inan},
        {L"сто", 2, L"ста", pl, inan},   {L"две", 3, L"двум", pl, inan},  {L"все", 2, L"всех", pl, none},
    });
}

TEST(ShortWords, FourLettersInA) {
    expect_samples({
        {L"вода", 4, L"воду", f, inan},   {L"рыба", 4, L"рыбу", f, anim},   {L"папа", 4, L"папу", m, anim},
        {L"сёма", 2, L"сёмы", m, anim},   {L"нога", 2, L"ноги", f, inan},   {L"ёлка", 5, L"ёлкой", f, inan},
        {L"елка", 2, L"елки", f, inan},   {L"щука", 4, L"щуку", f, anim},   {L"кака", 2, L"каки", m, inan},
        {L"юнга", 4, L"юнгу", m, anim},   {L"роща", 5, L"рощей", f, inan},  {L"тёща", 5, L"тёщей", f, anim},
        {L"теща", 2, L"тещи", f, anim},   {L"миша", 5, L"мишей", m, anim},  {L"лёша", 2, L"лёши", m, anim},
        {L"ядра", 2, L"ядер", f, inan},   {L"одна", 2, L"одной", f, inan},  {L"сама", 4, L"саму", f, anim},
        {L"леса", 2, L"лесов", pl, inan}, {L"сёла", 2, L"сёл", pl, inan},   {L"села", 3, L"селам", pl, inan},
        {L"лица", 3, L"лицам", pl, inan}, {L"чада", 4, L"чад", pl, anim},   {L"года", 2, L"лет", pl, inan},
        {L"окна", 2, L"окон", pl, inan},
    });
}

TEST(ShortWords, FourLettersInBVGDZ) {
    expect_samples({
        {L"клуб", 5, L"клубом", m, inan}, {L"краб", 4, L"краба", m, anim}, {L"клёв", 2, L"клёва", m, inan},
        {L"клев", 2, L"клева", m, inan},  {L"удав", 4, L"удава", m, anim}, {L"круг", 6, L"круге", m, inan},
        {L"друг", 4, L"друга", m, anim},  {L"фонд", 2, L"фонда", m, inan}, {L"швед", 4, L"шведа", m, anim},
        {L"глаз", 2, L"глаза", m, inan},
    });
}

TEST(ShortWords, FourLettersInE) {
    expect_samples({
        {L"море", 5, L"морем", n, inan},  {L"твое", 2, L"твоего", n, inan}, {L"ваше", 3, L"вашему", n, inan},
        {L"двое", 2, L"двоих", pl, inan}, {L"иные", 2, L"иных", pl, none},
    });
    // желе, кафе and every word like them: indeclinable neuters.
    for (const wchar_t* word : {L"желе", L"кафе", L"шеле", L"жафе"}) {
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, n, none);
    }
}

TEST(ShortWords, FourLettersInI) {
    expect_samples({
        {L"боги", 4, L"богов", pl, anim},  {L"руки", 2, L"рук", pl, inan},    {L"щёки", 2, L"щёк", pl, inan},
        {L"щеки", 2, L"щек", pl, inan},    {L"тёщи", 4, L"тёщ", pl, anim},    {L"тещи", 4, L"тещ", pl, anim},
        {L"шаги", 2, L"шагов", pl, inan},  {L"рыки", 4, L"рыки", pl, anim},   {L"ночи", 2, L"ночей", pl, inan},
        {L"ерши", 4, L"ерши", pl, anim},   {L"мыши", 4, L"мышей", pl, anim},  {L"цели", 3, L"целям", pl, inan},
        {L"пули", 2, L"пуль", pl, inan},   {L"няни", 4, L"няни", pl, anim},   {L"слои", 2, L"слоев", pl, inan},
        {L"люди", 5, L"людьми", pl, anim}, {L"дети", 2, L"детей", pl, anim},  {L"пяди", 2, L"пядей", pl, inan},
        {L"гуси", 4, L"гусей", pl, anim},  {L"тёти", 4, L"тётей", pl, anim},  {L"тети", 2, L"тетей", pl, anim},
        {L"змеи", 4, L"змей", pl, anim},   {L"наши", 2, L"наших", pl, inan},  {L"сами", 4, L"самих", pl, anim},
        {L"ушки", 2, L"ушек", pl, inan},   {L"ёлки", 2, L"ёлок", pl, inan},   {L"елки", 2, L"елок", pl, inan},
        {L"утки", 4, L"уток", pl, anim},   {L"идеи", 2, L"идей", pl, inan},
    });
}

TEST(ShortWords, FourLettersInJ) {
    expect_samples({
        {L"клей", 2, L"клея", m, inan},   {L"улей", 2, L"улья", m, inan},  {L"твой", 2, L"твоего", m, inan},
        {L"змей", 1, L"змей", m, anim},   {L"змий", 4, L"змия", m, anim},  {L"юрий", 6, L"юрии", m, anim},
        {L"экий", 2, L"экого", m, none},  {L"злой", 5, L"злым", m, none},  {L"юный", 2, L"юного", m, none},
    });
}

TEST(ShortWords, FourLettersInK) {
    expect_samples({
        {L"знак", 2, L"знака", m, inan}, {L"шёлк", 2, L"шёлка", m, inan}, {L"шелк", 4, L"шелк", m, inan},
        {L"волк", 4, L"волка", m, anim}, {L"ёжик", 4, L"ёжика", m, anim}, {L"ежик", 2, L"ежика", m, anim},
        {L"паёк", 2, L"пайка", m, inan}, {L"паек", 2, L"пайка", m, inan}, {L"чаёк", 5, L"чайком", m, inan},
    });
}

TEST(ShortWords, FourLettersInOtherLetters) {
    expect_samples({
        {L"пляж", 5, L"пляжем", m, inan}, {L"ключ", 2, L"ключа", m, inan}, {L"рвач", 4, L"рвач", m, anim},
        {L"крыж", 4, L"крыжа", m, inan},  {L"врач", 4, L"врача", m, anim}, {L"паяц", 5, L"паяцем", m, anim},
        {L"отец", 2, L"отца", m, anim},   {L"своё", 2, L"своего", n, inan}, {L"твоё", 5, L"твоим", n, inan},
    });
}

TEST(ShortWords, AdjectivesTakeTheAnimacyOfTheirNoun) {
    for (const auto& [word, inanimate_form, animate_form] :
         {std::tuple{L"все", L"все", L"всех"}, std::tuple{L"иные", L"иные", L"иных"},
          std::tuple{L"злой", L"злой", L"злого"}, std::tuple{L"экий", L"экий", L"экого"}}) {
        for (std::uint32_t animate : {0u, 1u}) {
            std::uint32_t gender = 0, slot = animate;
            EXPECT_EQ(decline_word(word, 4, &gender, &slot), animate ? animate_form : inanimate_form);
            EXPECT_EQ(slot, animate);
        }
    }
}

TEST(ShortWords, TwinsWithYoAndYeDeclineAlike) {
    for (const auto& [yo, ye] : {std::pair{L"рёв", L"рев"}, std::pair{L"мёд", L"мед"}, std::pair{L"сёма", L"сема"},
                                 std::pair{L"лёша", L"леша"}, std::pair{L"чаёк", L"чаек"}, std::pair{L"боёк", L"боек"},
                                 std::pair{L"буёк", L"буек"}, std::pair{L"отёк", L"отек"}, std::pair{L"своё", L"свое"},
                                 std::pair{L"моё", L"мое"}, std::pair{L"клёв", L"клев"}}) {
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
