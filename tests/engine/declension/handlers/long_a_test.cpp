#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongA, FeminineMasculineAndPluralNouns) {
    expect_decl(L"оплата", 4, L"оплату", 2, untouched);
    expect_decl(L"работа", 5, L"работой", 2, untouched);
    expect_decl(L"дедушка", 4, L"дедушку", 1, 1);
    expect_decl(L"подушка", 4, L"подушку", 2, 1);
    expect_decl(L"столица", 4, L"столицу", 2, 1);
    expect_decl(L"юноша", 5, L"юношей", 1, 1);
    expect_decl(L"города", 2, L"городов", 4, untouched);
    expect_decl(L"сковорода", 2, L"сковороды", 2, untouched);
    expect_decl(L"доктора", 4, L"докторов", 4, 1);
    expect_decl(L"лектора", 4, L"лектора", 4, untouched);
    expect_decl(L"ссора", 2, L"ссоры", 2, 0);
    expect_decl(L"профессора", 4, L"профессоров", 4, 1);
    expect_decl(L"права", 2, L"прав", 4, untouched);
    expect_decl(L"оправа", 2, L"оправы", 2, untouched);
}

TEST(LongA, NumeralsAndKeptWords) {
    expect_decl(L"триста", 2, L"трехсот", 4, untouched);
    expect_decl(L"четыреста", 5, L"четырьмястами", 4, untouched);
    expect_decl(L"гитариста", 2, L"гитаристы", 1, 1);
    expect_decl(L"аметиста", 2, L"аметиста", untouched, untouched);
    expect_decl(L"вчера", 2, L"вчера", 0, untouched);
    expect_decl(L"завтра", 5, L"завтра", 0, untouched);
}

TEST(LongA, SemenaAndPeremena) {
    expect_decl(L"семена", 2, L"семян", 4, untouched);
    expect_decl(L"семена", 3, L"семенам", 4, untouched);
    expect_decl(L"времена", 2, L"времен", 4, untouched);
    expect_decl(L"перемена", 2, L"перемены", 2, untouched);
    expect_decl(L"перемена", 4, L"перемену", 2, untouched);
    expect_handler(decline_long_a, L"семена", 0, L"семен", 4, untouched);
}

TEST(LongA, PoltoraAgreesWithTheCountedNounsGender) {
    auto poltora = [](int c, std::uint32_t counted) {
        std::uint32_t gender = counted, animate = untouched;
        std::wstring form = decline_word(L"полтора", c, &gender, &animate);
        EXPECT_EQ(gender, 2u);
        EXPECT_EQ(animate, 0u);
        return form;
    };
    EXPECT_EQ(poltora(2, 2), L"полторы");
    EXPECT_EQ(poltora(4, 2), L"полторы");
    EXPECT_EQ(poltora(2, 1), L"полтора");
    EXPECT_EQ(poltora(1, 2), L"полтора");
    EXPECT_EQ(poltora(3, 1), L"полуторам");
    EXPECT_EQ(poltora(5, 2), L"полуторами");
    EXPECT_EQ(poltora(6, 0), L"полуторах");
    // The shared slot reads as 0 whatever an earlier call left in it.
    declension_sink = 2;
    std::uint32_t animate = 0;
    EXPECT_EQ(decline_long_a(L"полтора", 2, &declension_sink, &animate), L"полтора");
    expect_handler(decline_long_a, L"полтора", 0, L"полтора", 2, 0);
    // Without о before -лтора it is an ordinary feminine noun.
    expect_decl(L"вылтора", 2, L"вылторы", 2, untouched);
}

TEST(LongA, UnknownWordsAndOneSlotForBoth) {
    for (const wchar_t* word : {L"идеэа", L"завроща", L"бобоща"}) expect_decl(word, 2, word, untouched, untouched);
    std::uint32_t slot = 9;
    EXPECT_EQ(decline_long_a(L"дедушка", 2, &slot, &slot), L"дедушки");
    EXPECT_EQ(slot, 1u);
}

TEST(LongA, DirectCallsWithShortOrOddWords) {
    expect_handler(decline_long_a, L"вода", 2, L"воды", 2, untouched);
    for (const wchar_t* word : {L"", L"а", L"ОПЛАТА", L"оплатa"}) expect_handler(decline_long_a, word, 2, word, untouched, untouched);
}
