#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongBToZ, LengthFirstLetterAndWholeWordRows) {
    expect_decl(L"короб", 4, L"короб", 1, 0);
    expect_decl(L"скороб", 4, L"скороба", 1, 1);
    expect_decl(L"завод", 4, L"завод", 1, 0);
    expect_decl(L"пчеловод", 4, L"пчеловода", 1, 1);
    expect_decl(L"взвод", 4, L"взвод", 1, 0);
    expect_decl(L"подвзвод", 4, L"подвзвода", 1, 1);
    expect_decl(L"асброд", 4, L"асброд", 1, 0);
    expect_decl(L"посброд", 4, L"посброда", 1, 1);
    expect_decl(L"мореход", 4, L"морехода", 1, 1);
    expect_decl(L"переход", 4, L"переход", 1, 0);
    expect_decl(L"демид", 4, L"демида", 1, 1);
    expect_decl(L"адемид", 4, L"адемид", 1, 0);
    expect_decl(L"полог", 4, L"полог", 1, 0);
    expect_decl(L"заполог", 4, L"заполога", 1, 1);
}

TEST(LongBToZ, SubstringsDecideBothWays) {
    expect_decl(L"дикообраз", 4, L"дикообраза", 1, 1);
    expect_decl(L"прообраз", 4, L"прообраз", 1, 0);
    expect_decl(L"пищевод", 4, L"пищевод", 1, 0);
    expect_decl(L"овощевод", 4, L"овощевода", 1, 1);
}

TEST(LongBToZ, LongerEndingsWin) {
    expect_decl(L"ястреб", 4, L"ястреба", 1, 1);
    expect_decl(L"потреб", 4, L"потреб", 1, 0);
    expect_decl(L"дулеб", 4, L"дулеба", 1, 1);
}

TEST(LongBToZ, PartialAndUnchangedRows) {
    expect_decl(L"сугрёб", 2, L"сугрёба", 1, untouched);
    expect_decl(L"наперед", 2, L"наперед", 1, 0);
    expect_decl(L"напротив", 2, L"напротив", untouched, untouched);
    expect_decl(L"ледолёд", 4, L"ледолёда", 1, 0);
}

TEST(LongBToZ, UnknownWordsLeaveTheSlotsAlone) {
    for (const wchar_t* word : {L"бабёб", L"бабув", L"бабуж", L"ПОЛОГ", L"zavod"}) {
        expect_decl(word, 2, word, untouched, untouched);
    }
}

// The -лов row is a common noun whatever the shared slot holds; the surname
// form is asked for by name.
TEST(LongBToZ, WordsInLovAreCommonNounsUnlessASurnameIsAsked) {
    expect_decl(L"чкалов", 5, L"чкаловом", 1, 0);
    expect_decl(L"отлов", 4, L"отлов", 1, 0);
    expect_handler(decline_long_v_surname, L"чкалов", 5, L"чкаловым", 1, 1);
    expect_handler(decline_long_v_surname, L"чкалов", 4, L"чкалова", 1, 1);
    expect_handler(decline_long_v_surname, L"карпов", 5, L"карповым", 1, 1);
    expect_handler(decline_long_v_surname, L"соколов", 5, L"соколовом", 1, 1);
    for (std::uint32_t before : {0u, 1u, 2u}) {
        declension_sink = before;
        expect_decl(L"чкалов", 5, L"чкаловом", 1, 0);
        EXPECT_EQ(decline_word(L"чкалов", 5, &declension_sink, &declension_sink), L"чкаловом");
        EXPECT_EQ(declension_sink, 1u);
    }
}

// The plural handlers ask with case 0 or 5 about singulars they rebuilt.
TEST(LongBToZ, SingularChecksOfThePluralHandlers) {
    expect_handler(decline_long_v, L"иванов", 5, L"ивановым", 1, 0);
    expect_handler(decline_long_v, L"чкалов", 5, L"чкаловом", 1, 0);
    expect_handler(decline_long_v, L"предлов", 0, L"предлов", 1, 0);
    expect_handler(decline_long_b, L"ястреб", 0, L"ястреб", 1, 1);
    expect_handler(decline_long_d, L"завод", 0, L"завод", 1, 0);
    expect_handler(decline_long_z, L"француз", 0, L"француз", 1, 1);
    expect_handler(decline_long_g, L"хирург", 0, L"хирург", 1, 1);
    expect_handler(decline_long_g, L"ург", 0, L"ург", 1, 1);
    expect_handler(decline_long_g, L"уг", 0, L"уг", untouched, untouched);
}
