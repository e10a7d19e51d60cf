#include <gtest/gtest.h>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongL, FleetingVowels) {
    expect_decl(L"дятел", 2, L"дятла", 1, 1);
    expect_decl(L"козёл", 4, L"козла", 1, 1);
    expect_decl(L"козел", 5, L"козлом", 1, 1);
    expect_decl(L"щегол", 2, L"щегла", 1, 1);
}

TEST(LongL, PosolKeepsItsVowelOnlyInTheNominative) {
    const wchar_t* forms[] = {L"посол", L"посла", L"послу", L"посла", L"послом", L"после"};
    for (int c = 1; c <= 6; ++c) expect_decl(L"посол", c, forms[c - 1], 1, 1);
    expect_handler(decline_long_l, L"посол", 0, L"пос", 1, 1);
    expect_decl(L"вицепосол", 3, L"вицепослу", 1, 1);
}

TEST(LongL, FirstLetterAndLongerEndings) {
    expect_decl(L"минерал", 4, L"минерал", 1, 0);
    expect_decl(L"генерал", 4, L"генерала", 1, 1);
    expect_decl(L"адмирал", 4, L"адмирала", 1, 1);
    expect_decl(L"апостол", 4, L"апостола", 1, 1);
    expect_decl(L"престол", 4, L"престол", 1, 0);
}

TEST(LongL, ZyolAndSyolStoreTheGenderOnly) {
    expect_decl(L"новосёл", 2, L"новосёла", 1, 1);
    expect_decl(L"посёл", 2, L"посёл", 1, untouched);
    expect_decl(L"разносёл", 5, L"разносёл", 1, untouched);
    expect_decl(L"разносел", 5, L"разнослом", 1, 0);
}

TEST(LongM, AnimacyAndUnstoredRows) {
    expect_decl(L"максим", 4, L"максима", 1, 1);
    expect_decl(L"артём", 4, L"артёма", 1, 1);
    expect_decl(L"реализм", 5, L"реализмом", 1, untouched);
    expect_decl(L"энтузиазм", 2, L"энтузиазма", 1, untouched);
}

TEST(LongM, FleetingYeOfNaem) {
    expect_decl(L"заназем", 2, L"заназема", 1, untouched);
    expect_decl(L"поднаем", 2, L"поднайма", 1, untouched);
    expect_decl(L"поднаём", 5, L"поднаймом", 1, untouched);
    expect_decl(L"поднайм", 4, L"поднаем", 1, untouched);
    expect_decl(L"пронаем", 2, L"пронаема", 1, untouched);
}

TEST(LongLM, UnknownWordsAndDirectCalls) {
    for (const wchar_t* word : {L"парфюм", L"бабэм", L"бабюл", L"ПОСОЛ", L"пос0л"}) expect_decl(word, 2, word, untouched, untouched);
    expect_handler(decline_long_l, L"стол", 0, L"стол", 1, 0);
    expect_handler(decline_long_l, L"ол", 0, L"ол", untouched, untouched);
    expect_handler(decline_long_m, L"альбом", 0, L"альбом", 1, untouched);
    expect_handler(decline_long_m, L"отчим", 0, L"отчим", 1, 1);
}
