#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

namespace {

void expect_forms(const std::wstring& word, const std::array<const wchar_t*, 6>& forms, std::uint32_t gender,
                  std::uint32_t animate) {
    for (int c = 1; c <= 6; ++c) expect_decl(word, c, forms[std::size_t(c - 1)], gender, animate);
}

}  // namespace

TEST(FourLettersLToT, OwnFormsInAllSixCases) {
    expect_forms(L"один", {L"один", L"одного", L"одному", L"одного", L"одним", L"одном"}, 1, 0);
    expect_forms(L"овен", {L"овен", L"овна", L"овну", L"овна", L"овном", L"овне"}, 1, 0);
    expect_forms(L"одно", {L"одно", L"одного", L"одному", L"одного", L"одним", L"одном"}, 3, 0);
    expect_forms(L"этот", {L"этот", L"этого", L"этому", L"этот", L"этим", L"этом"}, 1, 0);
}

TEST(FourLettersLToT, CaseZeroGivesTheKeptLettersAndStillStores) {
    expect_handler(decline4_n, L"один", 0, L"од", 1, 0);
    expect_handler(decline4_n, L"овен", 0, L"ов", 1, 0);
    expect_handler(decline4_o, L"одно", 0, L"одн", 3, 0);
    expect_handler(decline4_t, L"этот", 0, L"эт", 1, 0);
}

TEST(FourLettersLToT, PeterIsSpeltWithE) {
    expect_forms(L"пётр", {L"петр", L"петра", L"петру", L"петра", L"петром", L"петре"}, 1, 1);
    expect_decl(L"петр", 2, L"петра", 1, 1);
}

TEST(FourLettersLToT, StoresAsListedEvenAgainstTheParadigm) {
    expect_decl(L"баул", 4, L"баул", 1, 1);
    expect_decl(L"адам", 4, L"адама", 1, 0);
    expect_decl(L"джин", 4, L"джина", 1, 0);
    expect_decl(L"марс", 2, L"марса", untouched, untouched);
    expect_decl(L"фарс", 5, L"фарсом", untouched, untouched);
}

TEST(FourLettersLToT, UnlistedWordsLeaveBothSlots) {
    for (const wchar_t* word : {L"бвгл", L"СТОЛ", L"stол", L"12ст", L"столы"}) {
        expect_handler(decline4_l, word, 2, word, untouched, untouched);
    }
    for (word_handler handler : {decline4_l, decline4_m, decline4_n, decline4_o, decline4_p, decline4_r, decline4_s,
                                 decline4_t}) {
        for (const wchar_t* word : {L"", L"о", L"ст"}) expect_handler(handler, word, 2, word, untouched, untouched);
    }
}

TEST(FourLettersLToT, OneSlotForBothEndsWithTheGender) {
    std::uint32_t slot = 9;
    EXPECT_EQ(decline4_s(L"мисс", 2, &slot, &slot), L"мисс");
    EXPECT_EQ(slot, 2u);
}
