// decline_word: what reaches a handler, and what comes back untouched.
#include "engine/declension/decline_word.h"

#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::untouched;

TEST(DeclineWord, BlanksAreTrimmedAndEmptyOrPlaceholderWordsComeBackAsTheyAre) {
    expect_decl(L"  бельё\t", 3, L"белью", 3, untouched);
    expect_decl(L"  ъъъъ\t", 2, L"ъъъъ", untouched, untouched);
    const std::pair<const wchar_t*, const wchar_t*> kept[] = {
        {L"", L""}, {L" \t\r\n ", L""}, {L"[фамилия]", L"[фамилия]"}, {L" [имя] ", L"[имя]"}};
    for (int c = 0; c <= 6; ++c)
        for (const auto& [word, form] : kept) expect_decl(word, c, form, untouched, untouched);
}

TEST(DeclineWord, PronounYaHasSixFormsAndCasesOutsideOneToSixAreTheNominative) {
    const wchar_t* forms[] = {L"я", L"меня", L"мне", L"меня", L"мною", L"мне"};
    for (int c = 1; c <= 6; ++c) expect_decl(L"я", c, forms[c - 1], untouched, untouched);
    expect_decl(L"Я", 2, L"Я", untouched, untouched);
    expect_decl(L"б", 2, L"б", untouched, untouched);
    for (int c : {0, -3, 7, 100}) {
        expect_decl(L"я", c, L"я", untouched, untouched);
        expect_decl(L"ружьё", c, L"ружье", 3, untouched);
    }
}

TEST(DeclineWord, NeuterNounsInSoftSignYoAfterListedConsonants) {
    expect_decl(L"ружьё", 5, L"ружьем", 3, untouched);
    // Not after a listed consonant, or no soft sign: unchanged.
    expect_decl(L"абрькьё", 2, L"абрькьё", untouched, untouched);
    expect_decl(L"абвгдё", 2, L"абвгдё", untouched, untouched);
}

TEST(DeclineWord, WordsWithoutAHandlerOrARowComeBackUnchanged) {
    for (const wchar_t* word : {L"кенгуру", L"абвгъ", L"каноэ", L"меню-меню", L"рандеву", L"клубx",
                                L"клуб5", L"КЛУБОК", L"стоП"})
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, untouched, untouched);
    // Made of hard signs, which no dictionary ending contains.
    for (wchar_t last : std::wstring(L"абвгдежзийклмнопрстфхцчшщыья"))
        for (std::size_t length : {4u, 5u, 7u}) {
            std::wstring word = std::wstring(length - 1, L'ъ') + last;
            expect_decl(word, 2, word, untouched, untouched);
        }
}

TEST(DeclineWord, ResultDoesNotDependOnEarlierCallsOrTheSharedSlot) {
    std::uint32_t g1 = 0, a1 = 0, g2 = 0, a2 = 0, scratch_g = 0, scratch_a = 1;
    std::wstring fresh = decline_word(L"бельё", 4, &g1, &a1);
    decline_word(L"ружьё", 5, &scratch_g, &scratch_a);
    EXPECT_EQ(decline_word(L"бельё", 4, &g2, &a2), fresh);
    EXPECT_EQ(g2, g1);
    EXPECT_EQ(a2, a1);
    EXPECT_EQ(decline_word(L"бельё", 3, nullptr, nullptr),
              L"белью");  // missing slots are tolerated
}
