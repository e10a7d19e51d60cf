#include <gtest/gtest.h>

#include <string>

#include "engine/declension/counted_nouns.h"
#include "tests/engine/declension/declension_test_support.h"

namespace engine {
namespace {

using decl_test::form_of;

TEST(NumberPluralClass, LastTwoDigitsOfTheIntegerPart) {
    for (const wchar_t* one : {L"1", L"21", L"101", L"21,5", L"21.5", L"31 шт.", L"41 \t", L"1,001.2"})
        EXPECT_EQ(number_plural_class(one), 0) << one;
    for (const wchar_t* few : {L"2", L"3", L"4", L"22", L"1004", L"3 штуки"})
        EXPECT_EQ(number_plural_class(few), 1) << few;
    for (const wchar_t* many : {L"11", L"111", L"12", L"13", L"14", L"5", L"0", L"20", L"", L"1 000", L"шт", L".1"})
        EXPECT_EQ(number_plural_class(many), 2) << many;
}

TEST(CountedNoun, OneTakesTheSingularInTheCase) {
    EXPECT_EQ(agree_counted_noun(L"  день ", 0, 1, false), L"день");
    EXPECT_EQ(agree_counted_noun(L"дня", 0, 0, false), L"день");
    EXPECT_EQ(agree_counted_noun(L"рабочий  день", 0, 1, false), L"рабочий  день");
    EXPECT_EQ(agree_counted_noun(L"кот", 0, 5, false), L"котом");
    EXPECT_EQ(agree_counted_noun(L"кот", 0, 1, true), L"кота");
}

TEST(CountedNoun, TwoToFourTakeTheGenitiveSingular) {
    EXPECT_EQ(agree_counted_noun(L"день", 1, 0, false), form_of(L"день", 2));
    EXPECT_EQ(agree_counted_noun(L"сутки", 1, 1, false), L"суток");
    EXPECT_EQ(agree_counted_noun(L"целая", 1, 1, false), form_of(L"целые", 2));
    EXPECT_EQ(agree_counted_noun(L"ура", 1, 1, false), form_of(L"ура", 2));
}

TEST(CountedNoun, FiveAndMoreStartFromThePlural) {
    EXPECT_EQ(agree_counted_noun(L"день", 2, 1, false), L"дней");
    EXPECT_EQ(agree_counted_noun(L"человек", 2, 1, false), L"людей");
    EXPECT_EQ(agree_counted_noun(L"человек", 1, 3, false), L"людям");
    EXPECT_EQ(agree_counted_noun(L"сутки", 2, 5, false), L"сутками");
    EXPECT_EQ(agree_counted_noun(L"кг", 2, 1, false), L"кг");
    EXPECT_EQ(agree_counted_noun(L"литр", 2, 3, false), form_of(L"литры", 3));
    EXPECT_EQ(agree_counted_noun(L"день", 2, 1, true), L"дней");
}

TEST(CountedNoun, AccusativeFollowsTheGenderOfTheWholeText) {
    // Not recognised: the accusative of the base form.
    EXPECT_EQ(agree_counted_noun(L"сутки", 2, 4, false), L"сутки");
    // Masculine: the genitive, of the singular after 2-4.
    EXPECT_EQ(agree_counted_noun(L"кот", 1, 4, false), L"кота");
    EXPECT_EQ(agree_counted_noun(L"кот", 2, 4, false), form_of(form_of(L"кот", 2), 2));
    // Feminine: the accusative after 2-4, the genitive after 5.
    EXPECT_EQ(agree_counted_noun(L"рука", 1, 4, false), form_of(L"руки", 4));
    EXPECT_EQ(agree_counted_noun(L"рука", 2, 4, false), L"рук");
}

TEST(CountedNoun, WordsBeforeTheNounTakeThePlural) {
    EXPECT_EQ(agree_counted_noun(L"новая рука", 2, 1, false), form_of(L"новые", 2) + L" рук");
    EXPECT_EQ(agree_counted_noun(L"основной день", 2, 1, false), form_of(L"основные", 2) + L" дней");
    EXPECT_EQ(agree_counted_noun(L"рабочий день", 2, 6, false), form_of(L"рабочие", 6) + L" днях");
    // Too short to be put into the plural.
    EXPECT_EQ(agree_counted_noun(L"мой день", 2, 1, false), form_of(L"мой", 2) + L" дней");
}

}  // namespace
}  // namespace engine
