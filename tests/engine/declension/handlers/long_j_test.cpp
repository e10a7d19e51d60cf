#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

namespace {

// An adjective declined with a chosen animacy in its slot; returns the form
// and checks the slots afterwards.
std::wstring adjective(const std::wstring& word, int c, std::uint32_t animacy_in) {
    std::uint32_t gender = untouched, animate = animacy_in;
    std::wstring form = decline_word(word, c, &gender, &animate);
    EXPECT_EQ(gender, 1u) << "gender of an adjective";
    EXPECT_EQ(animate, animacy_in) << "an adjective never writes its animacy";
    return form;
}

}  // namespace

TEST(LongJ, NounsStoreTheirOwnAnimacy) {
    expect_decl(L"сергей", 4, L"сергея", 1, 1);
    expect_decl(L"андрей", 5, L"андреем", 1, 1);
    expect_decl(L"попугай", 4, L"попугая", 1, 1);
    expect_decl(L"музей", 4, L"музей", 1, 0);
    expect_decl(L"трамвай", 2, L"трамвая", 1, 0);
    expect_decl(L"изгой", 2, L"изгоя", 1, 1);
    expect_decl(L"дмитрий", 6, L"дмитрии", 1, 1);
    expect_decl(L"санаторий", 6, L"санатории", 1, 0);
}

TEST(LongJ, LongerEndingsOverrideShorterOnes) {
    expect_decl(L"кощей", 4, L"кощея", 1, 1);
    expect_decl(L"ручей", 2, L"ручья", 1, 0);
    expect_decl(L"покой", 4, L"покой", 1, untouched);
    expect_decl(L"морской", 2, L"морского", 1, untouched);
    expect_decl(L"строй", 2, L"строя", 1, untouched);
    expect_decl(L"сырой", 2, L"сырого", 1, untouched);
    expect_decl(L"тюлений", 2, L"тюленьего", 1, untouched);
    expect_decl(L"синий", 2, L"синего", 1, untouched);
    expect_decl(L"арсений", 2, L"арсения", 1, untouched);
    expect_decl(L"январий", 2, L"январия", 1, 0);
    expect_decl(L"карий", 2, L"карего", 1, untouched);
}

TEST(LongJ, FirstLetterAndWholeWordRows) {
    expect_decl(L"медвежий", 2, L"медвежьего", 1, untouched);
    expect_decl(L"свежий", 2, L"свежего", 1, untouched);
    expect_decl(L"верблюжий", 2, L"верблюжьего", 1, untouched);
    expect_decl(L"охотничий", 2, L"охотничьего", 1, untouched);
    expect_decl(L"лисичничий", 2, L"лисичничего", 1, untouched);
    expect_decl(L"божий", 2, L"божьего", 1, untouched);
    expect_decl(L"небожий", 2, L"небожего", 1, untouched);
}

TEST(LongJ, AdjectivesTakeTheAccusativeFromTheNounsAnimacy) {
    EXPECT_EQ(adjective(L"новый", 4, 0), L"новый");
    EXPECT_EQ(adjective(L"новый", 4, 1), L"нового");
    EXPECT_EQ(adjective(L"великий", 4, 0), L"великий");
    EXPECT_EQ(adjective(L"великий", 4, 1), L"великого");
    EXPECT_EQ(adjective(L"морской", 4, 1), L"морского");
    EXPECT_EQ(adjective(L"новый", 5, 1), L"новым");
}

TEST(LongJ, TheSharedSlotIsNeverReadAsAnInput) {
    std::uint32_t gender = 0;
    declension_sink = 1;
    EXPECT_EQ(decline_long_j(L"новый", 4, &gender, &declension_sink), L"новый");
    EXPECT_EQ(gender, 1u);
    declension_sink = 1;
    std::uint32_t animate = 0;
    EXPECT_EQ(decline_word(L"новый", 4, &gender, &animate), L"новый");
}

TEST(LongJ, StoresAndUnknownWords) {
    expect_decl(L"рублей", 2, L"рублей", 1, untouched);
    for (const wchar_t* word : {L"бобоэй", L"бобоёй", L"крепкый"}) expect_decl(word, 2, word, untouched, untouched);
    std::uint32_t slot = 5;
    EXPECT_EQ(decline_long_j(L"сергей", 2, &slot, &slot), L"сергея");
    EXPECT_EQ(slot, 1u);
    // With one slot for both, an adjective reads it as the animacy, then stores the gender.
    slot = 2;
    EXPECT_EQ(decline_long_j(L"великий", 4, &slot, &slot), L"великого");
    EXPECT_EQ(slot, 1u);
}

TEST(LongJ, DirectCallsWithCaseZeroShortOrOddWords) {
    expect_handler(decline_long_j, L"сергей", 0, L"серге", 1, 1);
    expect_handler(decline_long_j, L"новый", 0, L"нов", 1, untouched);
    for (const wchar_t* word : {L"", L"й", L"ый", L"НОВЫЙ"}) expect_handler(decline_long_j, word, 3, word, untouched, untouched);
}
