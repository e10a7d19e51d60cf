#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongE, NeuterNounsAndLongerEndings) {
    expect_decl(L"оружие", 2, L"оружия", 3, untouched);
    expect_decl(L"граждане", 2, L"граждан", 4, untouched);
    expect_decl(L"третье", 3, L"третьему", untouched, untouched);
}

TEST(LongE, VuchieDependsOnTheFirstLetter) {
    expect_decl(L"благозвучие", 2, L"благозвучия", 3, untouched);
    std::uint32_t gender = untouched, animate = 1;
    EXPECT_EQ(decline_word(L"живучие", 4, &gender, &animate), L"живучих");
    EXPECT_EQ(gender, 3u);
}

// The plural adjective takes its accusative from the animacy of its noun,
// which only a real slot can carry.
TEST(LongE, PluralAdjectivesReadTheAnimacyTheyAreGiven) {
    for (const wchar_t* word : {L"новые", L"русские"}) {
        std::wstring stem(word);
        stem.pop_back();
        std::uint32_t gender = untouched, animate = 0;
        EXPECT_EQ(decline_word(word, 4, &gender, &animate), word);
        EXPECT_EQ(animate, 0u);
        EXPECT_EQ(gender, 4u);
        animate = 1;
        EXPECT_EQ(decline_word(word, 4, &gender, &animate), stem + L"х");
        EXPECT_EQ(animate, 1u);
        declension_sink = 1;
        EXPECT_EQ(decline_word(word, 4, &declension_sink, &declension_sink), word);
        EXPECT_EQ(declension_sink, 4u);
        EXPECT_EQ(decline_word(word, 5, &gender, &animate), stem + L"ми");
    }
}

TEST(LongE, WordsInAnnyeStoreAndPassZero) {
    std::uint32_t gender = untouched, animate = 1;
    EXPECT_EQ(decline_word(L"данные", 4, &gender, &animate), L"данные");
    EXPECT_EQ(animate, 0u);
    EXPECT_EQ(gender, 4u);
    expect_decl(L"данные", 2, L"данных", 4, 0);
}

TEST(LongE, NeuterAdjectiveEndingsFollowTheLetterBefore) {
    const wchar_t* sinee[] = {L"синее", L"синего", L"синему", L"синее", L"синим", L"синем"};
    const wchar_t* novoe[] = {L"новое", L"нового", L"новому", L"новое", L"новым", L"новом"};
    const wchar_t* drugoe[] = {L"другое", L"другого", L"другому", L"другое", L"другим", L"другом"};
    const wchar_t* chetyre[] = {L"четыре", L"четырех", L"четырем", L"четыре", L"четырьмя", L"четырех"};
    for (int c = 1; c <= 6; ++c) {
        expect_decl(L"синее", c, sinee[c - 1], 3, untouched);
        expect_decl(L"новое", c, novoe[c - 1], 3, untouched);
        expect_decl(L"другое", c, drugoe[c - 1], 3, untouched);
        expect_decl(L"четыре", c, chetyre[c - 1], 4, untouched);
    }
    expect_decl(L"длиннее", 4, L"длиннее", 3, untouched);
    expect_decl(L"худшее", 5, L"худшим", 3, untouched);
    expect_decl(L"дальнейее", 4, L"дальнейее", untouched, untouched);
    expect_decl(L"старее", 4, L"старее", untouched, untouched);
    expect_decl(L"баеее", 4, L"баеего", 3, untouched);
    expect_handler(decline_long_e, L"синее", 0, L"син", 3, untouched);
    expect_handler(decline_long_e, L"четыре", 0, L"четыр", 4, untouched);
}

TEST(LongE, IndeclinablesStillStore) {
    expect_decl(L"портмоне", 3, L"портмоне", 3, untouched);
    expect_decl(L"кашне", 2, L"кашне", 3, untouched);
    expect_decl(L"оливье", 5, L"оливье", 3, untouched);
    expect_decl(L"портье", 4, L"портье", 1, 1);
    expect_decl(L"кутюрье", 2, L"кутюрье", 1, 1);
}

TEST(LongE, UnknownWordsAndDirectCalls) {
    for (const wchar_t* word : {L"бабуе", L"бабэе", L"бабре", L"ЗДАНИЕ", L"zdanie"}) {
        expect_decl(word, 2, word, untouched, untouched);
    }
    for (const wchar_t* word : {L"", L"е", L"ое", L"ее", L"ие"}) expect_handler(decline_long_e, word, 2, word, untouched, untouched);
}
