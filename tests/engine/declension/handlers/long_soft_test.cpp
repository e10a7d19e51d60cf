#include <gtest/gtest.h>

#include <array>

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

TEST(LongSoft, NounsAndNumerals) {
    expect_decl(L"учитель", 4, L"учителя", 1, 1);
    expect_decl(L"обитель", 2, L"обители", 2, untouched);
    expect_decl(L"трель", 2, L"трели", 2, 0);
    expect_decl(L"метель", 2, L"метели", 2, 0);
    expect_decl(L"петрель", 4, L"петреля", 1, 1);
    expect_decl(L"кровать", 2, L"кровати", 2, untouched);
    expect_decl(L"рисовать", 2, L"рисовать", untouched, untouched);
    expect_decl(L"шесть", 2, L"шести", 4, untouched);
    expect_decl(L"двадцать", 5, L"двадцатью", 4, untouched);
    expect_decl(L"ячмень", 2, L"ячменя", 1, untouched);
    expect_decl(L"ремень", 2, L"ремня", 1, untouched);
    expect_decl(L"олень", 4, L"оленя", 1, 1);
    expect_decl(L"любовь", 2, L"любви", 2, untouched);
    expect_decl(L"атолль", 2, L"атолля", 0, untouched);
}

TEST(LongSoft, ChurchRowsStoreNothing) {
    expect_decl(L"церковь", 2, L"церкви", untouched, untouched);
    expect_decl(L"боерковь", 2, L"боеркови", untouched, untouched);
}

TEST(LongSoft, OwnFormsInEveryCase) {
    expect_forms(L"господь", {L"господь", L"господа", L"господу", L"господа", L"господом", L"господе"}, 1, 1);
    expect_forms(L"уголь", {L"уголь", L"угля", L"углю", L"уголь", L"углем", L"угле"}, 1, 0);
    expect_forms(L"огонь", {L"огонь", L"огня", L"огню", L"огонь", L"огнем", L"огне"}, 1, untouched);
    expect_forms(L"восемь", {L"восемь", L"восьми", L"восьми", L"восемь", L"восьмью", L"восьми"}, 4, untouched);
    expect_handler(decline_long_soft, L"господь", 0, L"господ", 1, 1);
    expect_handler(decline_long_soft, L"уголь", 0, L"уг", 1, 0);
    expect_handler(decline_long_soft, L"восемь", 0, L"вос", 4, untouched);
}

TEST(LongSoft, TrollAccusativeStoresNothing) {
    expect_decl(L"тролль", 4, L"тролля", untouched, untouched);
    expect_decl(L"тролль", 2, L"тролля", 1, untouched);
    expect_decl(L"тролль", 5, L"троллем", 1, untouched);
    expect_handler(decline_long_soft, L"тролль", 0, L"тролл", 1, untouched);
}

TEST(LongSoft, KeptAndUnknownWords) {
    expect_decl(L"что-нибудь", 3, L"что-нибудь", 1, untouched);
    for (const wchar_t* word : {L"бобыдь", L"бобгль", L"ОЛЕНЬ"}) expect_decl(word, 2, word, untouched, untouched);
    std::uint32_t slot = 3;
    EXPECT_EQ(decline_long_soft(L"учитель", 2, &slot, &slot), L"учителя");
    EXPECT_EQ(slot, 1u);
    for (const wchar_t* word : {L"", L"ь", L"ль"}) expect_handler(decline_long_soft, word, 2, word, untouched, untouched);
}
