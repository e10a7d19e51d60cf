#include <gtest/gtest.h>

#include "engine/document/word_key.h"

using namespace engine;

TEST(WordKey, BlankRunsBecomeOneBarAndTextIsLowered) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L" \t\r\n ", L""},
        {L"month\t\n in  words", L"month|in|words"},
        {L"a | b", L"a|||b"},  // typed bars stay except at the end
        {L"|a b|", L"|a|b"},
        {L"a||| ", L"a"},
        {L"a\u00A0b\vc", L"a\u00A0b\vc"},  // only the four blanks separate words
        {L"ДАТА Составления 2-й №5", L"дата|составления|2-й|№5"},
    };
    for (const auto& [text, key] : cases) EXPECT_EQ(make_word_key(text), key) << text;
    EXPECT_EQ(join_words(L"  Договоры/Договор  Купли\tПродажи "), L"Договоры/Договор|Купли|Продажи");
}

TEST(WordKey, EqualityWithoutBuildingTheKeyAgreesWithTheKey) {
    const wchar_t* texts[] = {L"", L" ", L"a", L"A b", L" a | b ", L"|a", L"a|", L"a| |", L"ab", L"a  b\t",
                              L"ДАТА Составления", L"дата|составления", L"a\u00A0b", L"||", L"a b c"};
    for (const wchar_t* text : texts) {
        for (const wchar_t* other : texts) {
            std::wstring key = make_word_key(other);
            EXPECT_EQ(word_key_equals(text, key), make_word_key(text) == key) << text << L" / " << other;
        }
    }
    // The quick lowering agrees with the full mapping.
    for (wchar_t c = 1; c < 0x0530; ++c) {
        std::wstring text(1, c);
        EXPECT_TRUE(word_key_equals(text, make_word_key(text))) << int(c);
    }
}
