// Rows that read a slot as input (an adjective's accusative follows the
// animacy of its noun, полтора the gender of the counted noun) read a real
// slot, but never what an earlier call left in the shared discard slot.
#include "engine/declension/decline_word.h"
#include "engine/text/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::untouched;

TEST(InputSlots, AdjectivesTakeTheAccusativeFromTheAnimacyTheyAreGiven) {
    // clang-format off
    const struct { const wchar_t *word, *animate_accusative; std::uint32_t gender; } adjectives[] = {
        {L"новый", L"нового", 1},  {L"великий", L"великого", 1}, {L"морской", L"морского", 1},
        {L"новые", L"новых", 4},   {L"русские", L"русских", 4},  {L"все", L"всех", 4},
        {L"иные", L"иных", 4},     {L"злой", L"злого", 1},       {L"экий", L"экого", 1},
    };
    // clang-format on
    for (const auto& adjective : adjectives) {
        const std::wstring word = adjective.word;
        SCOPED_TRACE(to_utf8(word));
        for (std::uint32_t animacy : {0u, 1u}) {
            std::uint32_t gender = untouched, animate = animacy;
            EXPECT_EQ(decline_word(word, 4, &gender, &animate),
                      animacy ? adjective.animate_accusative : word);
            EXPECT_EQ(gender, adjective.gender);
            EXPECT_EQ(animate, animacy) << "an adjective never writes its animacy";
        }
        // A missing slot reads as 0, in the short-word lists as in the long
        // handlers.
        word_handler handler = find_word_handler(word.size(), word.back());
        std::uint32_t gender = untouched;
        EXPECT_EQ(handler(word, 4, &gender, nullptr), word);
        // One slot for both is read as the animacy, then holds the gender.
        std::uint32_t slot = 2;
        EXPECT_EQ(handler(word, 4, &slot, &slot), adjective.animate_accusative);
        EXPECT_EQ(slot, adjective.gender);
    }
    // Words in -анные store animacy 0.
    std::uint32_t gender = untouched, animate = 1;
    EXPECT_EQ(decline_word(L"данные", 4, &gender, &animate), L"данные");
    EXPECT_EQ(animate, 0u);
    EXPECT_EQ(gender, 4u);
}

TEST(InputSlots, PoltoraAgreesWithTheCountedNounsGender) {
    // clang-format off
    const struct { int c; std::uint32_t counted; const wchar_t* form; } forms[] = {
        {2, 2, L"полутора"}, {4, 2, L"полторы"}, {4, 1, L"полтора"}, {1, 2, L"полтора"},
        {3, 1, L"полутора"}, {5, 2, L"полутора"}, {6, 0, L"полутора"}};
    // clang-format on
    for (const auto& f : forms) {
        std::uint32_t gender = f.counted, animate = untouched;
        EXPECT_EQ(decline_word(L"полтора", f.c, &gender, &animate), f.form)
            << f.c << " " << f.counted;
        EXPECT_EQ(gender, 2u);
        EXPECT_EQ(animate, 0u);
    }
    std::uint32_t animate = 0;
    EXPECT_EQ(decline_long_a(L"полтора", 4, nullptr, &animate), L"полтора");
    // Without о before -лтора it is an ordinary feminine noun.
    expect_decl(L"вылтора", 2, L"вылторы", 2, untouched);
}

// Surnames in -лов are declined by the name code; the word handlers give the
// common noun whatever an earlier call declined.
TEST(InputSlots, WordsInLovDoNotDependOnAnEarlierCall) {
    for (const wchar_t* word : {L"чкалов", L"отлов", L"уловы", L"соколовы", L"козловы"}) {
        word_handler handler =
            find_word_handler(std::wstring(word).size(), std::wstring(word).back());
        for (int c = 1; c <= 6; ++c) {
            std::uint32_t g1 = untouched, a1 = untouched, g0 = untouched, a0 = untouched;
            std::wstring first = handler(word, c, &g1, &a1);
            decline_word(L"соколовы", 4, nullptr, nullptr);
            EXPECT_EQ(first, handler(word, c, &g0, &a0)) << to_utf8(word);
            EXPECT_EQ(g1, g0);
            EXPECT_EQ(a1, a0);
        }
    }
    expect_decl(L"чкалов", 5, L"чкаловом", 1, 0);
}
