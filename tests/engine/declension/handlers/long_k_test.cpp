#include <gtest/gtest.h>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongK, AnimacyDecidesTheAccusative) {
    expect_decl(L"рыбак", 4, L"рыбака", 1, 1);
    expect_decl(L"ученик", 4, L"ученика", 1, 1);
    expect_decl(L"техник", 4, L"техника", 1, 1);
    expect_decl(L"заказчик", 4, L"заказчика", 1, 1);
    expect_decl(L"поставщик", 2, L"поставщика", 1, 1);
    expect_decl(L"родник", 4, L"родник", 1, 1);
    expect_decl(L"ярлык", 4, L"ярлык", 1, 0);
}

TEST(LongK, LengthFirstLetterAndWholeWordRows) {
    expect_decl(L"ночник", 4, L"ночник", 1, 0);
    expect_decl(L"полуночник", 4, L"полуночника", 1, 1);
    expect_decl(L"задачник", 4, L"задачник", 1, 0);
    expect_decl(L"подачник", 4, L"подачника", 1, 1);
    expect_decl(L"электрик", 4, L"электрика", 1, 1);
    expect_decl(L"фотоэлектрик", 4, L"фотоэлектрик", 1, 0);
    expect_decl(L"сорок", 2, L"сорока", 4, 0);
    expect_decl(L"пятисорок", 2, L"пятисорка", 1, 0);
    expect_decl(L"парник", 2, L"парника", 1, 0);
    expect_decl(L"напарник", 4, L"напарника", 1, 1);
}

TEST(LongK, FleetingVowelsInBothSpellings) {
    expect_decl(L"ручеек", 2, L"ручейка", 1, 0);
    expect_decl(L"ручеёк", 2, L"ручейка", 1, 0);
    expect_decl(L"потек", 2, L"потека", 1, 0);
    expect_decl(L"потёк", 2, L"потёк", untouched, untouched);
    expect_decl(L"козятёк", 4, L"козятька", 1, 1);
    expect_decl(L"огонек", 2, L"огонька", 1, 0);
    expect_decl(L"платок", 2, L"платка", 1, 0);
    expect_decl(L"ребенок", 4, L"ребенка", 1, 1);
}

TEST(LongK, FirstRowStoresTheGenderOnly) {
    expect_decl(L"кулак", 2, L"кулака", 1, untouched);
    std::uint32_t gender = untouched, animate = 1;
    EXPECT_EQ(decline_long_k(L"кулак", 0, &gender, &animate), L"кулак");
    EXPECT_EQ(animate, 1u);
    EXPECT_EQ(gender, 1u);
}

TEST(LongK, UnknownWordsAndOneSlotForBoth) {
    for (const wchar_t* word : {L"бегук", L"бозук", L"бобоэк", L"РЫБАК"}) expect_decl(word, 2, word, untouched, untouched);
    std::uint32_t slot = 0;
    EXPECT_EQ(decline_long_k(L"рыбак", 2, &slot, &slot), L"рыбака");
    EXPECT_EQ(slot, 1u);
}

// The -ки plurals ask about singulars of any length with case 0.
TEST(LongK, DirectCallsWithCaseZeroShortOrOddWords) {
    expect_handler(decline_long_k, L"волк", 0, L"волк", 1, 0);
    expect_handler(decline_long_k, L"бык", 0, L"бык", 1, 1);
    expect_handler(decline_long_k, L"сурок", 0, L"сур", 1, 1);
    for (const wchar_t* word : {L"", L"к", L"ак"}) expect_handler(decline_long_k, word, 0, word, untouched, untouched);
}
