#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongY, LongerAndConditionalEndingsWin) {
    expect_decl(L"бойцы", 2, L"бойцов", 4, 1);      // -бойцы over -йцы
    expect_decl(L"войцы", 2, L"войцев", 4, 1);      // -йцы
    expect_decl(L"особы", 2, L"особ", 4, untouched);  // the whole word over -обы
    expect_decl(L"выстрелы", 4, L"выстрелы", 4, untouched);
    expect_decl(L"выстрелы", 2, L"выстрелов", 4, untouched);
    expect_decl(L"стрелы", 2, L"стрел", 4, untouched);
    expect_decl(L"граммы", 2, L"граммов", 4, untouched);
    expect_decl(L"программы", 2, L"программ", 4, untouched);
    expect_decl(L"каллиграммы", 2, L"каллиграммов", 4, untouched);
    expect_decl(L"тропы", 2, L"троп", 4, untouched);     // at most six letters
    expect_decl(L"остропы", 2, L"остропов", 4, 1);
    expect_decl(L"астрофы", 2, L"астрофов", 4, untouched);  // first letter а
    expect_decl(L"катастрофы", 4, L"катастроф", 4, 1);      // -офы
}

TEST(LongYCheckK, CandidaciesAreAnimateOtherDaturasNot) {
    expect_decl(L"кандидатуры", 4, L"кандидатур", 4, 1);
    expect_decl(L"кандидатуры", 2, L"кандидатур", 4, 1);
    expect_decl(L"датуры", 4, L"датуры", 4, untouched);
    expect_decl(L"датуры", 5, L"датурами", 4, untouched);
    // -катуры by the first letter.
    expect_decl(L"шкатуры", 4, L"шкатуров", 4, 1);
    expect_decl(L"карикатуры", 4, L"карикатуры", 4, untouched);
}

TEST(LongYCheckM, DreamsHaveAGenitiveOfTheirOwn) {
    expect_decl(L"мечты", 2, L"мечтаний", 4, untouched);
    expect_decl(L"мечты", 3, L"мечтам", 4, untouched);
    expect_decl(L"почты", 2, L"почт", 4, untouched);
    expect_decl(L"почты", 4, L"почты", 4, untouched);
}

TEST(LongY, UnchangedRowsStillStoreThePluralGender) {
    expect_decl(L"клёпы", 2, L"клёпы", 4, untouched);
    expect_decl(L"налёты", 5, L"налёты", 4, untouched);
    expect_decl(L"самолёты", 2, L"самолётов", 4, untouched);  // -олёты is a row of its own
}

TEST(LongY, LettersOutsideTheDictionaryAndUnknownWordsStoreNothing) {
    for (const wchar_t* word : {L"волкы", L"ногы", L"кашы", L"чащы", L"бойхы", L"халцы", L"фонюцы"}) {
        expect_decl(word, 2, word, untouched, untouched);
    }
}

TEST(LongY, TheSingularsGenderNeverSurvives) {
    // decline_long_r stores 1 for комиссар; the plural leaves 4.
    std::uint32_t singular_gender = 0, singular_animate = 0;
    decline_long_r(L"комиссар", 0, &singular_gender, &singular_animate);
    ASSERT_EQ(singular_gender, 1u);
    expect_decl(L"комиссары", 4, L"комиссаров", 4, singular_animate == 1 ? 1 : untouched);
    std::uint32_t slot = 7;
    decline_word(L"комиссары", 2, &slot, &slot);
    EXPECT_EQ(slot, 4u);
}

TEST(LongY, WordsInLovyDoNotDependOnTheSharedSlot) {
    for (const wchar_t* word : {L"уловы", L"соколовы", L"козловы"}) {
        for (int c = 1; c <= 6; ++c) {
            std::uint32_t g1 = untouched, a1 = untouched, g0 = untouched, a0 = untouched;
            declension_sink = 1;
            std::wstring with_one = decline_long_y(word, c, &g1, &a1);
            declension_sink = 0;
            std::wstring with_zero = decline_long_y(word, c, &g0, &a0);
            EXPECT_EQ(with_one, with_zero);
            EXPECT_EQ(g1, g0);
            EXPECT_EQ(a1, a0);
            EXPECT_EQ(g1, 4u);
        }
    }
}

TEST(LongY, DirectCallsWithCaseZeroShortOrOddWords) {
    expect_handler(decline_long_y, L"стрелы", 0, L"стрел", 4, untouched);
    expect_handler(decline_long_y, L"клёпы", 0, L"клёпы", 4, untouched);
    for (const wchar_t* word : {L"", L"ы", L"цы", L"СТРЕЛЫ", L"STRELY", L"12345ы", L"цы цы"}) {
        expect_handler(decline_long_y, word, 2, word, untouched, untouched);
    }
    // Short words that still match a row build even shorter singulars safely.
    for (const wchar_t* word : {L"бцы", L"ьцы", L"овы", L"рцы", L"олы"}) {
        std::uint32_t gender = untouched, animate = untouched;
        decline_long_y(word, 2, &gender, &animate);
        EXPECT_EQ(gender, 4u);
    }
}
