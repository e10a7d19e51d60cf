#include <gtest/gtest.h>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

// The check letter: the first letter of an eight-letter word, the ninth from
// the end of a longer one.
TEST(LongF, OgrafRule) {
    expect_decl(L"фотограф", 4, L"фотографа", 1, 1);
    expect_decl(L"кинофотограф", 4, L"кинофотограф", 1, 0);
    expect_decl(L"афотограф", 4, L"афотограф", 1, 0);
    expect_decl(L"фаотограф", 4, L"фаотографа", 1, 1);
    expect_decl(L"литограф", 4, L"литографа", 1, 1);
    expect_decl(L"алитограф", 4, L"алитограф", 1, 0);
    expect_decl(L"типограф", 4, L"типографа", 1, 1);
    expect_decl(L"этнограф", 4, L"этнографа", 1, 1);
    expect_decl(L"битнограф", 4, L"битнограф", 1, 0);
    expect_decl(L"биограф", 4, L"биографа", 1, 1);
    expect_decl(L"автобиограф", 4, L"автобиограф", 1, 0);
    expect_decl(L"географ", 4, L"географа", 1, 1);
    expect_decl(L"сейсмограф", 4, L"сейсмограф", 1, 0);
    expect_decl(L"стенограф", 4, L"стенограф", 1, 0);
}

TEST(LongF, FirstLetterHyphenAndLongerEndings) {
    expect_decl(L"каллиграф", 4, L"каллиграфа", 1, 1);
    expect_decl(L"параграф", 4, L"параграф", 1, 0);
    expect_decl(L"шериф", 4, L"шерифа", 1, 1);
    expect_decl(L"тариф", 4, L"тариф", 1, 0);
    expect_decl(L"адольф", 4, L"адольфа", 1, 1);
    expect_decl(L"гольф", 4, L"гольф", 1, 0);
    expect_decl(L"пуф-уфф", 2, L"пуф-уффа", 1, 0);
    expect_decl(L"пуфуфф", 2, L"пуфуфф", untouched, untouched);
}

TEST(LongKhChShShch, AnimateAndInanimateNouns) {
    expect_decl(L"конюх", 4, L"конюха", 1, 1);
    expect_decl(L"подонюх", 4, L"подонюх", 1, 0);
    expect_decl(L"скоморох", 4, L"скомороха", 1, 1);
    expect_decl(L"горох", 4, L"горох", 1, 0);
    expect_decl(L"палач", 4, L"палача", 1, 1);
    expect_decl(L"калач", 4, L"калач", 1, 0);
    expect_decl(L"рогач", 4, L"рогача", 1, 1);
    expect_decl(L"трогач", 4, L"трогач", 1, 0);
    expect_decl(L"тягач", 4, L"тягач", 1, 0);
    expect_decl(L"латыш", 4, L"латыша", 1, 1);
    expect_decl(L"бордаш", 4, L"бордаша", 1, 1);
    expect_decl(L"товарищ", 4, L"товарища", 1, 1);
    expect_decl(L"товарищ", 5, L"товарищем", 1, 1);
}

TEST(LongSh, FirstLetterOfIdysh) {
    expect_decl(L"видыш", 4, L"видыш", 1, 0);
    expect_decl(L"сидыш", 4, L"сидыша", 1, 1);
}

TEST(LongFToShch, UnknownWordsAndDirectCalls) {
    for (const wchar_t* word : {L"бабэф", L"бабэх", L"бабэч", L"бабэш", L"бабэщ", L"ТОВАРИЩ"}) {
        expect_decl(word, 2, word, untouched, untouched);
    }
    expect_handler(decline_long_kh, L"пух", 0, L"пух", untouched, untouched);
    expect_handler(decline_long_ch, L"врач", 0, L"врач", 1, 1);
    expect_handler(decline_long_sh, L"ш", 5, L"ш", untouched, untouched);
    expect_handler(decline_long_f, L"граф", 0, L"граф", 1, 0);
    expect_handler(decline_long_f, L"ограф", 0, L"ограф", 1, 0);
}
