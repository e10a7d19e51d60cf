#include <gtest/gtest.h>

#include "engine/declension/phrase.h"

using namespace engine;
using kinds = std::vector<int>;

static kinds kinds_of(const std::wstring& text, bool merged = false) {
    phrase_tokens tokens = tokenize_phrase(text);
    if (merged) merge_number_tokens(tokens);
    return tokens.kinds;
}

TEST(PhraseTokens, EachCharacterClassMakesItsKindLiteralsAndEntitiesKeptAsTyped) {
    phrase_tokens tokens = tokenize_phrase(L"Договор 5/3-А, \"x\"\n?.");
    EXPECT_EQ(tokens.kinds, (kinds{6, 1, 9, 1, 9, 2, 6, 4, 1, 5, 6, 5, 3, 8, 4}));
    EXPECT_EQ(tokens.texts[0], L"договор");
    EXPECT_EQ(tokens.typed[0], L"Договор");
    EXPECT_EQ(tokens.texts[12], L"<br />");
    EXPECT_EQ(tokens.texts[13], L" ");
    EXPECT_EQ(tokens.typed[13], L"?");
    // Digits and letters split without blanks.
    EXPECT_EQ(kinds_of(L"5км"), (kinds{9, 6}));
    // Other characters are literal tokens kept as typed.
    phrase_tokens literals = tokenize_phrase(L"(акт)\t№5: 10%;");
    EXPECT_EQ(literals.kinds, (kinds{16, 6, 16, 16, 16, 9, 16, 1, 9, 16, 16}));
    EXPECT_EQ(literals.typed[0], L"(");
    EXPECT_EQ(literals.typed[4], L"№");
    EXPECT_EQ(literals.typed[9], L"%");
    // Guillemets are quotes.
    EXPECT_EQ(kinds_of(L"«Ромашка»"), (kinds{5, 6, 5}));
    // An entity reference is one opaque token.
    phrase_tokens entities = tokenize_phrase(L"O&apos;Brien &lt;&#39;x&amp");
    EXPECT_EQ(entities.kinds, (kinds{6, 16, 6, 1, 16, 16, 6, 16, 6}));
    EXPECT_EQ(entities.typed[1], L"&apos;");
    EXPECT_EQ(entities.typed[4], L"&lt;");
    EXPECT_EQ(entities.typed[5], L"&#39;");
    // An ampersand that opens no reference is an ordinary character.
    EXPECT_EQ(entities.typed[7], L"&");
    EXPECT_EQ(entities.texts[8], L"amp");
}

TEST(PhraseTokens, LetterClassesCountOnlyCyrillicCapitals) {
    // clang-format off
    const struct { const wchar_t *typed, *folded; int kind; } words[] = {
        {L"ДОГОВОР", L"договор", word_class::capitals}, {L"Ёлка", L"ёлка", word_class::capitalised},
        {L"ALPHA", L"alpha", word_class::lower_or_mixed}, {L"дОГОВОР", L"договор", word_class::lower_or_mixed}};
    // clang-format on
    for (const auto& w : words) {
        std::wstring word = w.typed;
        EXPECT_EQ(fold_case_ru(word), w.kind);
        EXPECT_EQ(word, w.folded);
    }
}

TEST(PhraseTokens, DigitsBeyondTheTwentyFirstBecomeOneMarkerWithAQuestionMarkEach) {
    phrase_tokens tokens = tokenize_phrase(L"12345678901234567890123 шт");
    ASSERT_EQ(tokens.kinds, (kinds{9, 7, 1, 6}));
    EXPECT_EQ(tokens.texts[0], L"123456789012345678901");
    EXPECT_EQ(tokens.texts[1], L"<font color=red>[??]</font>");
    EXPECT_EQ(tokenize_phrase(L"1234567890123456789012").texts[1], L"<font color=red>[?]</font>");
    EXPECT_EQ(kinds_of(L"123456789012345678901"), (kinds{9}));
    // A letter after it starts a word.
    EXPECT_EQ(kinds_of(L"1234567890123456789012км"), (kinds{9, 7, 6}));
}

TEST(PhraseTokens, DecimalsAndAmountsMergeWithTheSignOnEitherSide) {
    const std::pair<const wchar_t*, kinds> merged[] = {
        {L"12,5", {10, 1, 11}}, {L"12.50?", {14, 1, 15, 8}}, {L"$12.50", {8, 14, 1, 15}},
        {L"100$", {14, 8}},     {L"?100", {8, 14}},          {L"1 000 000", {9, 1, 9, 1, 9}},
        {L"5.", {9, 4}}};
    for (const auto& [text, expected] : merged) EXPECT_EQ(kinds_of(text, true), expected);
    // A merged joint reads as a blank but remembers its separator.
    phrase_tokens tokens = tokenize_phrase(L"12,5");
    merge_number_tokens(tokens);
    EXPECT_EQ(tokens.texts[1], L" ");
    EXPECT_EQ(tokens.typed[1], L",");
}
