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

TEST(FourLettersYSoftYa, OwnFormsInAllSixCases) {
    expect_forms(L"овцы", {L"овцы", L"овец", L"овцам", L"овец", L"овцами", L"овцах"}, 4, 1);
    expect_forms(L"путь", {L"путь", L"пути", L"пути", L"путь", L"путем", L"пути"}, 1, 0);
    expect_forms(L"темь", {L"темь", L"темени", L"темени", L"темь", L"теменью", L"темени"}, 2, 0);
    expect_forms(L"ложь", {L"ложь", L"лжи", L"лжи", L"ложь", L"ложью", L"лжи"}, 2, 0);
    expect_forms(L"рожь", {L"рожь", L"ржи", L"ржи", L"рожь", L"рожью", L"ржи"}, 2, 0);
    expect_forms(L"себя", {L"-", L"себя", L"себе", L"себя", L"собой", L"себе"}, 1, 1);
    expect_forms(L"весь", {L"весь", L"всего", L"всему", L"весь", L"всем", L"всем"}, 2, 0);
}

TEST(FourLettersYSoftYa, CaseZeroGivesTheStemOrKeepsAWholeWordForm) {
    expect_handler(decline4_y, L"овцы", 0, L"ов", 4, 1);
    expect_handler(decline4_soft, L"ложь", 0, L"л", 2, 0);
    expect_handler(decline4_ya, L"себя", 0, L"с", 1, 1);
    expect_handler(decline4_soft, L"весь", 0, L"весь", 2, 0);
    expect_handler(decline4_soft, L"весь", 7, L"весь", 2, 0);
}

TEST(FourLettersYSoftYa, StoresAsListed) {
    expect_decl(L"рамы", 2, L"рам", untouched, untouched);
    expect_decl(L"годы", 2, L"лет", 4, 0);
    expect_decl(L"вымя", 2, L"вымени", 2, 0);
    expect_decl(L"лёня", 2, L"лёни", 2, 1);
    expect_decl(L"леня", 2, L"лени", 1, 1);
}

TEST(FourLettersYSoftYa, UnlistedWordsLeaveBothSlots) {
    for (const wchar_t* word : {L"тьмы", L"ТЬМЫ", L"tьмы"}) expect_decl(word, 2, word, untouched, untouched);
    expect_decl(L"бвгь", 2, L"бвгь", untouched, untouched);
    expect_decl(L"бвгя", 2, L"бвгя", untouched, untouched);
    for (word_handler handler : {decline4_y, decline4_soft, decline4_ya}) {
        for (const wchar_t* word : {L"", L"я", L"ья", L"весьма"}) {
            expect_handler(handler, word, 2, word, untouched, untouched);
        }
    }
}

TEST(FourLettersYSoftYa, OneSlotForBothEndsWithTheGender) {
    std::uint32_t slot = 9;
    EXPECT_EQ(decline4_soft(L"весь", 3, &slot, &slot), L"всему");
    EXPECT_EQ(slot, 2u);
}
