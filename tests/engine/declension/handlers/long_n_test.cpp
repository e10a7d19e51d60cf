#include <gtest/gtest.h>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongN, AdjectivalAndInstrumentalYmSurnames) {
    expect_decl(L"пушкин", 2, L"пушкиного", 1, 1);
    expect_decl(L"пушкин", 5, L"пушкиным", 1, 1);
    expect_decl(L"тёщин", 3, L"тёщиному", 1, 1);
    expect_decl(L"мамин", 4, L"маминого", 1, 1);
    expect_decl(L"калинин", 5, L"калининым", 1, 0);
    expect_decl(L"калинин", 4, L"калинин", 1, 0);
    expect_decl(L"хинин", 5, L"хинином", 1, 0);
}

TEST(LongN, RowsThatStoreOnlyOneValue) {
    expect_decl(L"семён", 4, L"семёна", untouched, 1);
    expect_decl(L"семен", 4, L"семена", 1, 1);
    expect_decl(L"богдан", 4, L"богдана", 1, 0);
}

TEST(LongN, WholeWordAnton) {
    expect_decl(L"антон", 4, L"антона", 1, 1);
    expect_decl(L"кантон", 4, L"кантон", 1, 0);
}

TEST(LongN, UnknownWordsAndDirectCalls) {
    for (const wchar_t* word : {L"бабён", L"бабюн", L"бабэн", L"ДЕКАН"}) expect_decl(word, 2, word, untouched, untouched);
    expect_handler(decline_long_n, L"слон", 0, L"слон", 1, 0);
    expect_handler(decline_long_n, L"он", 0, L"он", untouched, untouched);
    expect_handler(decline_long_n, L"", 0, L"", untouched, untouched);
}
