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

// One row per final letter: its handlers at three, four, five or more letters.
// clang-format off
const struct { wchar_t letter; word_handler three, four, five; } k_rows[] = {
    {L'а', decline3_a, decline4_a, decline_long_a}, {L'б', decline3_other, decline4_b, decline_long_b},
    {L'в', decline3_other, decline4_v, decline_long_v}, {L'г', decline3_other, decline4_g, decline_long_g},
    {L'д', decline3_other, decline4_d, decline_long_d}, {L'е', decline3_other, decline4_e, decline_long_e},
    {L'ж', decline3_other, decline4_other, decline_long_zh}, {L'з', decline3_other, decline4_z, decline_long_z},
    {L'и', decline3_i, decline4_i, decline_long_i}, {L'й', decline3_other, decline4_j, decline_long_j},
    {L'к', decline3_other, decline4_k, decline_long_k}, {L'л', decline3_other, decline4_l, decline_long_l},
    {L'м', decline3_other, decline4_m, decline_long_m}, {L'н', decline3_other, decline4_n, decline_long_n},
    {L'о', decline3_other, decline4_o, decline_long_o}, {L'п', decline3_other, decline4_p, decline_long_p},
    {L'р', decline3_other, decline4_r, decline_long_r}, {L'с', decline3_other, decline4_s, decline_long_s},
    {L'т', decline3_other, decline4_t, decline_long_t}, {L'у', decline3_other, decline4_other, nullptr},
    {L'ф', decline3_other, decline4_other, decline_long_f}, {L'х', decline3_other, decline4_other, decline_long_kh},
    {L'ц', decline3_other, decline4_other, decline_long_ts}, {L'ч', decline3_other, decline4_other, decline_long_ch},
    {L'ш', decline3_other, decline4_other, decline_long_sh}, {L'щ', decline3_other, decline4_other, decline_long_shch},
    {L'ъ', decline3_other, decline4_other, nullptr}, {L'ы', decline3_y, decline4_y, decline_long_y},
    {L'ь', decline3_other, decline4_soft, decline_long_soft}, {L'э', decline3_other, decline4_other, nullptr},
    {L'ю', decline3_other, decline4_other, nullptr}, {L'я', decline3_other, decline4_ya, decline_long_ya},
    // ё of five or more letters is settled by the entry itself.
    {L'ё', decline3_other, decline4_other, nullptr}, {L'Р', decline3_other, decline4_other, nullptr},
    {L'r', decline3_other, decline4_other, nullptr}, {L'7', decline3_other, decline4_other, nullptr},
    {L'-', decline3_other, decline4_other, nullptr},
};
// clang-format on

TEST(Routing, EveryFinalLetterReachesItsHandlerAtEveryLength) {
    for (const auto& row : k_rows) {
        std::string letter = std::to_string(int(row.letter));
        EXPECT_EQ(find_word_handler(1, row.letter), nullptr) << letter;
        EXPECT_EQ(find_word_handler(2, row.letter), decline2) << letter;
        EXPECT_EQ(find_word_handler(3, row.letter), row.three) << letter;
        EXPECT_EQ(find_word_handler(4, row.letter), row.four) << letter;
        for (std::size_t length : {5u, 6u, 30u})
            EXPECT_EQ(find_word_handler(length, row.letter), row.five) << letter;
    }
}
