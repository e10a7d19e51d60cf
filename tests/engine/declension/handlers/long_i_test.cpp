#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongI, SoftSignPluralsWithoutAnAnimacyTakeTheNominativeAccusative) {
    expect_decl(L"ничьи", 4, L"ничьи", 4, untouched);
    expect_decl(L"ничьи", 2, L"ничьих", 4, untouched);
    expect_decl(L"волчьи", 4, L"волчьи", 4, untouched);
}

TEST(LongI, WholeWordsAmongTheirEndings) {
    expect_decl(L"олухи", 2, L"олухов", 4, 1);
    expect_decl(L"поолухи", 2, L"поолух", 4, untouched);  // -ухи
    expect_decl(L"свести", 5, L"свести", 4, untouched);   // six letters, first letter not д
    expect_decl(L"бойни", 3, L"бойням", 4, 0);
    expect_decl(L"колеи", 3, L"колеям", 4, untouched);
    std::uint32_t gender = untouched, animate = untouched;
    EXPECT_EQ(decline_word(L"аллеи", 2, &gender, &animate), L"аллеев");  // only колеи has колей
}

TEST(LongI, PluralsInKiAreWhatTheirOwnHandlerGives) {
    for (const wchar_t* word : {L"собаки", L"старики", L"ложки", L"характеристики", L"заработки", L"фыхки"}) {
        for (int c = 0; c <= 6; ++c) {
            std::uint32_t g1 = untouched, a1 = untouched, g2 = untouched, a2 = untouched;
            EXPECT_EQ(decline_long_i(word, c, &g1, &a1), decline_long_i_ki(word, c, &g2, &a2));
            EXPECT_EQ(g1, g2);
            EXPECT_EQ(a1, a2);
        }
    }
}

TEST(LongI, UnknownWordsLeaveBothSlots) {
    for (const wchar_t* word : {L"такси", L"хаки", L"цунами", L"жюри", L"ээээи"}) {
        expect_decl(word, 2, word, untouched, untouched);
    }
}

TEST(LongI, OneSlotForBothEndsWithTheGender) {
    std::uint32_t slot = 9;
    EXPECT_EQ(decline_word(L"товарищи", 2, &slot, &slot), L"товарищей");
    EXPECT_EQ(slot, 4u);
}

TEST(LongI, DirectCallsWithCaseZeroShortOrOddWords) {
    expect_handler(decline_long_i, L"бойни", 0, L"бойн", 4, 0);
    expect_handler(decline_long_i, L"нелли", 0, L"нелли", 2, 1);
    for (const wchar_t* word : {L"", L"и", L"ки", L"КНИГИ", L"knigi", L"1234и"}) {
        std::uint32_t gender = untouched, animate = untouched;
        std::wstring got = decline_long_i(word, 2, &gender, &animate);
        if (std::wstring(word) != L"ки") {
            EXPECT_EQ(got, word);
            EXPECT_EQ(gender, untouched);
            EXPECT_EQ(animate, untouched);
        }
    }
    // Short words that match a row build their singular safely.
    for (const wchar_t* word : {L"йни", L"иги", L"ачи", L"аши", L"ахи"}) {
        std::uint32_t gender = untouched, animate = untouched;
        decline_long_i(word, 2, &gender, &animate);
        EXPECT_EQ(gender, 4u);
    }
}
