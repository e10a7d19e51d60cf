#include <gtest/gtest.h>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongTs, PaletsHasItsOwnForms) {
    const wchar_t* forms[] = {L"палец", L"пальца", L"пальцу", L"палец", L"пальцем", L"пальце"};
    for (int c = 1; c <= 6; ++c) expect_decl(L"палец", c, forms[c - 1], 1, 0);
    expect_handler(decline_long_ts, L"палец", 0, L"пал", 1, 0);
    expect_decl(L"мизпалец", 4, L"мизпальца", 1, 1);
}

TEST(LongTs, NosetsRule) {
    expect_decl(L"знаменосец", 4, L"знаменосца", 1, 1);
    expect_decl(L"орденоносец", 4, L"орденоносца", 1, 1);
    expect_decl(L"рогоносец", 4, L"рогоносца", 1, 1);
    expect_decl(L"тбогоносец", 4, L"тбогоносца", 1, 1);
    expect_decl(L"миноносец", 4, L"миноносец", 1, 0);
    expect_decl(L"миноносец", 5, L"миноносцем", 1, 0);
}

TEST(LongTs, IletsAndEletsRule) {
    expect_decl(L"жилец", 4, L"жильца", 1, 1);
    expect_decl(L"жилец", 5, L"жильцом", 1, 1);
    expect_decl(L"стрелец", 5, L"стрельцом", 1, 1);
    expect_decl(L"владелец", 5, L"владельцем", 1, 1);
    expect_decl(L"удалец", 4, L"удальца", 1, 0);
}

TEST(LongTs, LodetsRule) {
    expect_decl(L"молодец", 5, L"молодцом", 1, 1);
    expect_decl(L"колодец", 4, L"колодец", 1, 0);
    expect_decl(L"иолодец", 4, L"иолодец", 1, 0);
    expect_decl(L"иолодец", 5, L"иолодцом", 1, 0);
    expect_decl(L"лодец", 4, L"лодца", 1, 1);
    expect_decl(L"вомолодец", 4, L"вомолодца", 1, 1);
}

TEST(LongTs, ShelmetsIsTheOneAnimateWordInMets) {
    expect_decl(L"шельмец", 4, L"шельмеца", 1, 1);
    expect_decl(L"бельмец", 4, L"бельмец", 1, 0);
    expect_decl(L"ашельмец", 4, L"ашельмец", 1, 0);
}

// The plural handler reads -цом or -цем from the instrumental.
TEST(LongTs, InstrumentalForThePluralCheck) {
    expect_handler(decline_long_ts, L"борец", 5, L"борцом", 1, 1);
    expect_handler(decline_long_ts, L"танец", 5, L"танцем", 1, 0);
    expect_handler(decline_long_ts, L"боец", 5, L"бойцем", 1, 1);
    expect_handler(decline_long_ts, L"ец", 5, L"ец", untouched, untouched);
    expect_handler(decline_long_ts, L"", 0, L"", untouched, untouched);
}

TEST(LongTs, UnknownWords) {
    for (const wchar_t* word : {L"бабоц", L"бабуц", L"ПАЛЕЦ", L"palets"}) expect_decl(word, 2, word, untouched, untouched);
}
