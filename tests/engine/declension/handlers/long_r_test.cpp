#include <gtest/gtest.h>

#include "engine/declension/paradigms.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongR, AnimateAndInanimateNounsTakeTheirAccusative) {
    expect_decl(L"сапёр", 4, L"сапёра", 1, 1);
    expect_decl(L"лапёр", 4, L"лапёр", 1, 0);
    expect_decl(L"монтёр", 4, L"монтёра", 1, 1);
    expect_decl(L"пассажир", 4, L"пассажира", 1, 1);
    expect_decl(L"бакажир", 4, L"бакажир", 1, 0);
    expect_decl(L"ювелир", 5, L"ювелиром", 1, 1);
    expect_decl(L"командир", 2, L"командира", 1, 1);
    expect_decl(L"самовар", 6, L"самоваре", 1, 0);
}

TEST(LongR, FleetingVowels) {
    expect_decl(L"шатёр", 2, L"шатра", 1, 0);
    expect_decl(L"костёр", 5, L"костром", 1, 0);
    expect_decl(L"костер", 3, L"костру", 1, 0);
    expect_decl(L"ветер", 2, L"ветра", 1, 0);
    expect_decl(L"ковер", 6, L"ковре", 1, 0);
    expect_decl(L"бобер", 4, L"бобра", 1, 1);
    // Only the whole word костёр: a longer -остёр word is unknown.
    expect_decl(L"накостёр", 2, L"накостёр", untouched, untouched);
}

TEST(LongR, ContainedStemsDecideBothWays) {
    expect_decl(L"режиссер", 4, L"режиссера", 1, 1);
    expect_decl(L"компрессер", 4, L"компрессер", 1, 0);
    expect_decl(L"кондиционер", 4, L"кондиционер", 1, 0);
    expect_decl(L"пионер", 4, L"пионера", 1, 1);
    expect_decl(L"транспортер", 4, L"транспортер", 1, 0);
    expect_decl(L"спортер", 4, L"спортера", 1, 1);
    expect_decl(L"интерьер", 4, L"интерьер", 1, 0);
    expect_decl(L"терьер", 4, L"терьера", 1, 1);
    expect_decl(L"архитектор", 4, L"архитектора", 1, 1);
    expect_decl(L"протектор", 4, L"протектор", 1, 0);
    expect_decl(L"телевизор", 4, L"телевизор", 1, 0);
    expect_decl(L"ревизор", 4, L"ревизора", 1, 1);
    // An electrician's word keeps its inanimate accusative but stores animacy 1.
    expect_decl(L"электролотёр", 4, L"электролотёр", 1, 1);
    expect_decl(L"фрилнтёр", 4, L"фрилнтёра", 1, 1);
}

TEST(LongR, FirstLetterDecidesBothWays) {
    expect_decl(L"шифоньер", 4, L"шифоньер", 1, 0);
    expect_decl(L"компаньер", 4, L"компаньера", 1, 1);
    expect_decl(L"гример", 4, L"гримера", 1, 1);
    expect_decl(L"бример", 4, L"бример", 1, 0);
    expect_decl(L"пловер", 4, L"пловер", 1, 0);
    expect_decl(L"кловер", 4, L"кловера", 1, 1);
}

TEST(LongR, LengthAndPrecedence) {
    // ·[аи]стер as a whole six-letter word is animate, a longer -астер not.
    expect_decl(L"мастер", 4, L"мастера", 1, 1);
    expect_decl(L"квастер", 4, L"квастер", 1, 0);
    expect_decl(L"организатор", 4, L"организатора", 1, 1);
    expect_decl(L"стабилизатор", 4, L"стабилизатор", 1, 0);
    expect_decl(L"новатор", 4, L"новатора", 1, 1);
    expect_decl(L"инноватор", 4, L"инноватора", 1, 1);
    expect_decl(L"директор", 4, L"директора", 1, 1);
    expect_decl(L"доктор", 4, L"доктора", 1, 1);
    expect_decl(L"редактор", 4, L"редактора", 1, 1);
    expect_decl(L"трактор", 4, L"трактор", 1, 0);
    expect_decl(L"лектор", 4, L"лектора", 1, 1);
    expect_decl(L"диалектор", 4, L"диалектор", 1, 0);
    expect_decl(L"автор", 4, L"автора", 1, 1);
}

TEST(LongR, PartialStoresAndKeptWords) {
    // -етёр keeps the word and stores the gender only.
    expect_decl(L"мяетёр", 2, L"мяетёр", 1, untouched);
    // -озёр stores the animacy only.
    expect_decl(L"колозёр", 2, L"колозёра", untouched, 1);
    // -матер keeps the word but stores both.
    expect_decl(L"ориматер", 3, L"ориматер", 1, 0);
    // No entry: nothing stored.
    expect_decl(L"бакбр", 2, L"бакбр", untouched, untouched);
}

TEST(LongR, OneSlotForBothEndsWithTheGender) {
    std::uint32_t slot = 7;
    EXPECT_EQ(decline_long_r(L"сапёр", 2, &slot, &slot), L"сапёра");
    EXPECT_EQ(slot, 1u);
}

TEST(LongR, DirectCallsWithCaseZeroShortOrOddWords) {
    expect_handler(decline_long_r, L"шатёр", 0, L"шат", 1, 0);
    expect_handler(decline_long_r, L"сапёр", 0, L"сапёр", 1, 1);
    for (const wchar_t* word : {L"", L"р", L"ар", L"САПЁР", L"sapёр", L"12345"}) {
        expect_handler(decline_long_r, word, 2, word, untouched, untouched);
    }
    // Five letters never reach an entry that needs a sixth.
    expect_handler(decline_long_r, L"ьдьдар", 2, L"ьдьдара", 1, 1);
    expect_handler(decline_long_r, L"одар", 2, L"одара", 1, 0);
}
