#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"
#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

TEST(LongO, HundredsAreWholeWords) {
    expect_decl(L"тристо", 2, L"трехсот", 4, untouched);
    expect_decl(L"четыресто", 5, L"четырьмястами", 4, untouched);
    expect_decl(L"девяносто", 2, L"девяноста", 4, untouched);
    expect_decl(L"стодевяносто", 2, L"стодевяносто", untouched, untouched);
    expect_decl(L"петристо", 2, L"петристо", untouched, untouched);
    expect_decl(L"место", 2, L"места", 3, untouched);
    expect_decl(L"предместо", 6, L"предместе", 3, untouched);
}

// The preposition sits inside the pronoun, joined by no-break spaces that
// survive upper-casing.
TEST(LongO, NichtoAndNiktoByWholeWords) {
    const wchar_t* nichto[] = {L"ничто", L"ничего", L"ничему", L"ничего", L"ничем", L"ни\u00A0о\u00A0чем"};
    const wchar_t* nikto[] = {L"никто", L"никого", L"никому", L"никого", L"никем", L"ни\u00A0о\u00A0ком"};
    for (int c = 1; c <= 6; ++c) {
        expect_decl(L"ничто", c, nichto[c - 1], 3, untouched);
        expect_decl(L"никто", c, nikto[c - 1], 3, untouched);
    }
    expect_handler(decline_long_o, L"никто", 0, L"никто", 3, untouched);
    expect_handler(decline_long_o, L"ничто", 7, L"ничто", 3, untouched);
    EXPECT_EQ(decline_word(L"никто", 6, nullptr, nullptr).find(L'&'), std::wstring::npos);
}

TEST(LongO, IndeclinablesAfterAnyLetterOrCharacter) {
    expect_decl(L"пальто", 2, L"пальто", 3, untouched);
    expect_decl(L"кимоно", 5, L"кимоно", 3, untouched);
    expect_decl(L"казино", 5, L"казино", 3, untouched);
    expect_decl(L"эскимо", 5, L"эскимо", 3, untouched);
    expect_decl(L"трюмо", 5, L"трюмо", 3, untouched);
    expect_decl(L"гетто", 5, L"гетто", 3, untouched);
    expect_decl(L"что-то", 2, L"что-то", 3, untouched);
    expect_decl(L"ABCто", 2, L"ABCто", 3, untouched);
    expect_decl(L"ab1то", 2, L"ab1то", 3, untouched);
    expect_decl(L"бабето", 2, L"бабето", untouched, untouched);
}

TEST(LongO, TheAnimacySlotIsNeverTouched) {
    std::uint32_t gender = untouched, animate = untouched;
    EXPECT_EQ(decline_long_o(L"кольцо", 2, &gender, &animate), L"кольца");
    EXPECT_EQ(animate, untouched);
    EXPECT_EQ(decline_long_o(L"кольцо", 2, &gender, nullptr), L"кольца");
    EXPECT_EQ(gender, 3u);
}

TEST(LongP, LongerEndingsAndNotAfterRows) {
    expect_decl(L"подкоп", 4, L"подкоп", 1, 0);
    expect_decl(L"гидокоп", 4, L"гидокопа", 1, 1);
    expect_decl(L"телескоп", 4, L"телескоп", 1, 0);
    expect_decl(L"епископ", 4, L"епископа", 1, 1);
    expect_decl(L"вотрап", 4, L"вотрапа", 1, 1);
    expect_decl(L"автотрап", 4, L"автотрапа", 1, 1);
    expect_decl(L"штормтрап", 4, L"штормтрап", 1, 1);
}

TEST(LongOP, UnknownWordsAndDirectCalls) {
    for (const wchar_t* word : {L"бабуп", L"бабэо", L"ПАЛЬТО"}) expect_decl(word, 2, word, untouched, untouched);
    expect_handler(decline_long_p, L"клоп", 5, L"клопом", 1, 1);
    expect_handler(decline_long_p, L"", 5, L"", untouched, untouched);
    expect_handler(decline_long_o, L"то", 5, L"то", untouched, untouched);
    expect_handler(decline_long_o, L"-то", 5, L"-то", 3, untouched);
}
