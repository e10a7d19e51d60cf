#include <gtest/gtest.h>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongS, OnosDecidesByTheLetterBeforeAndTheLength) {
    expect_decl(L"донос", 4, L"донос", 1, 0);
    expect_decl(L"адонос", 4, L"адонос", 1, 0);
    expect_decl(L"доонос", 4, L"дооноса", 1, 1);
    expect_decl(L"водонос", 4, L"водоноса", 1, 1);
    expect_decl(L"поднос", 4, L"поднос", 1, 0);
    expect_decl(L"рогонос", 4, L"рогоноса", 1, 1);
    expect_decl(L"хлебонос", 4, L"хлебоноса", 1, 1);
    expect_decl(L"аронос", 4, L"аронос", 1, 0);
}

TEST(LongS, FirstLettersAndLongerEndings) {
    expect_decl(L"лотряс", 4, L"лотряса", 1, 1);
    expect_decl(L"вотряс", 4, L"вотряс", 1, 0);
    expect_decl(L"синтус", 4, L"синтуса", 1, 1);
    expect_decl(L"винтус", 4, L"винтус", 1, 0);
    expect_decl(L"барбарус", 4, L"барбарус", 1, 0);
    expect_decl(L"беларус", 4, L"беларуса", 1, 1);
    expect_decl(L"альбатрос", 4, L"альбатроса", 1, 1);
    expect_decl(L"фитрос", 4, L"фитрос", 1, 0);
    expect_decl(L"геркулес", 4, L"геркулеса", 1, 1);
}

TEST(LongS, KhristosAndIisus) {
    const wchar_t* forms[] = {L"христос", L"христа", L"христу", L"христа", L"христом", L"христе"};
    for (int c = 1; c <= 6; ++c) expect_decl(L"христос", c, forms[c - 1], 1, 1);
    expect_handler(decline_long_s, L"христос", 0, L"христос", 1, 1);
    expect_decl(L"антихристос", 2, L"антихристос", 1, untouched);
    expect_decl(L"иисус", 3, L"иисусу", 1, 1);
    expect_decl(L"аиисус", 3, L"аиисус", 1, untouched);
    expect_decl(L"бабисус", 3, L"бабисусу", 1, 0);
}

TEST(LongS, HyphenRowsAndIndeclinables) {
    expect_decl(L"полу-вес", 2, L"полу-веса", 1, 0);
    expect_decl(L"полувес", 2, L"полувес", untouched, untouched);
    expect_decl(L"привес", 2, L"привеса", 1, 0);
    expect_decl(L"тыковес", 4, L"тыковеса", 1, 1);
    expect_decl(L"мистрис", 2, L"мистрис", 2, 1);
    expect_decl(L"миссис", 2, L"миссис", 2, 1);
    expect_decl(L"начёс", 2, L"начёса", 1, 0);
    expect_decl(L"начес", 2, L"начеса", 1, 0);
}

TEST(LongS, UnknownWordsAndDirectCalls) {
    for (const wchar_t* word : {L"бабюс", L"ХРИСТОС", L"hristos"}) expect_decl(word, 2, word, untouched, untouched);
    expect_handler(decline_long_s, L"нос", 0, L"нос", untouched, untouched);
    expect_handler(decline_long_s, L"пёс", 5, L"пёс", untouched, untouched);
    expect_handler(decline_long_s, L"брус", 0, L"брус", 1, 0);
}
