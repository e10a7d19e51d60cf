#include <gtest/gtest.h>

#include "engine/declension/paradigms.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongT, NumeralsAreExactWholeWords) {
    expect_decl(L"пятьдесят", 2, L"пятидесяти", 4, 1);
    expect_decl(L"восемьдесят", 5, L"восьмьюдесятью", 4, 1);
    expect_decl(L"девятьсот", 2, L"девятисот", 1, 0);
    expect_decl(L"шестьсот", 5, L"шестьюстами", 1, 0);
    expect_decl(L"двадесят", 2, L"двадесят", untouched, untouched);
    expect_decl(L"стопятьдесят", 2, L"стопятьдесят", untouched, untouched);
    expect_decl(L"тристасот", 2, L"тристасот", untouched, untouched);
    expect_decl(L"десятьсот", 2, L"десятьсот", 1, untouched);
}

TEST(LongT, EgyptAndRidgeLoseTheirE) {
    const wchar_t* egipet[] = {L"египет", L"египта", L"египту", L"египет", L"египтом", L"египте"};
    const wchar_t* khrebet[] = {L"хребет", L"хребта", L"хребту", L"хребет", L"хребтом", L"хребте"};
    for (int c = 1; c <= 6; ++c) {
        expect_decl(L"египет", c, egipet[c - 1], 1, 0);
        expect_decl(L"хребет", c, khrebet[c - 1], 1, 0);
    }
    expect_handler(decline_long_t, L"египет", 0, L"египет", 1, 0);
    expect_handler(decline_long_t, L"хребет", 0, L"хребет", 1, 0);
    expect_decl(L"ахребет", 2, L"ахребта", 1, 0);
    expect_decl(L"жеребет", 2, L"жеребета", 1, 0);
}

TEST(LongT, SubstringRowsDecideBothWays) {
    expect_decl(L"доброхот", 4, L"доброхота", untouched, 1);
    expect_decl(L"грохот", 4, L"грохот", untouched, 0);
    expect_decl(L"ландскнехт", 4, L"ландскнехта", 1, 1);
    expect_decl(L"кнехт", 4, L"кнехт", 1, 0);
    expect_decl(L"архимандрит", 4, L"архимандрита", 1, 1);
    expect_decl(L"дендрит", 4, L"дендрит", 1, 0);
    expect_decl(L"московит", 4, L"московита", 1, 1);
    expect_decl(L"ковит", 4, L"ковит", 1, 0);
    expect_decl(L"оппонент", 4, L"оппонента", 1, 1);
    expect_decl(L"компонент", 4, L"компонент", 1, 0);
}

TEST(LongT, LengthAndFirstLetterRows) {
    expect_decl(L"хвост", 4, L"хвост", 1, 0);
    expect_decl(L"прохвост", 4, L"прохвоста", 1, 1);
    expect_decl(L"абвост", 4, L"абвоста", 1, 1);
    expect_decl(L"агент", 4, L"агента", 1, 1);
    expect_decl(L"реагент", 4, L"реагент", 1, 0);
    expect_decl(L"юрисконсульт", 4, L"юрисконсульта", 1, 1);
    expect_decl(L"катапульт", 4, L"катапульт", 1, 0);
    expect_decl(L"аферист", 4, L"афериста", 1, 1);
    expect_decl(L"ашафист", 4, L"ашафист", 1, 0);
    expect_decl(L"бафист", 4, L"бафиста", 1, 1);
    expect_decl(L"стратостат", 4, L"стратостат", 1, 0);
    expect_decl(L"статостат", 4, L"статостат", 1, 0);
}

TEST(LongT, RowsThatLeaveTheGenderUnstored) {
    expect_decl(L"зелот", 4, L"зелота", untouched, 1);
    expect_decl(L"памелот", 4, L"памелот", untouched, 0);
    expect_decl(L"живоглот", 4, L"живоглота", untouched, 1);
    expect_decl(L"проглот", 4, L"проглота", untouched, 1);
    expect_decl(L"заглот", 4, L"заглот", untouched, 0);
    expect_decl(L"едикт", 4, L"едикта", 1, 0);
}

TEST(LongT, HyphenRowsAndUnknownWords) {
    expect_decl(L"нок-аут", 2, L"нок-аута", 1, 0);
    expect_decl(L"пол-ост", 2, L"пол-оста", 1, 0);
    for (const wchar_t* word : {L"бабаут", L"бабэт", L"ХРЕБЕТ", L"egipet"}) expect_decl(word, 2, word, untouched, untouched);
}

TEST(LongT, DirectCallsOfAnyLength) {
    expect_handler(decline_long_t, L"кот", 0, L"кот", untouched, untouched);
    expect_handler(decline_long_t, L"плут", 5, L"плутом", 1, 1);
    expect_handler(decline_long_t, L"т", 5, L"т", untouched, untouched);
    expect_handler(decline_long_t, L"", 5, L"", untouched, untouched);
    expect_handler(decline_long_t, L"пет", 2, L"пет", untouched, untouched);
}
