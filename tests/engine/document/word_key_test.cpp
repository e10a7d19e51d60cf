#include <gtest/gtest.h>

#include "engine/document/word_key.h"

using namespace engine;

TEST(WordKey, BlankRunsBecomeOneBarAndEndsLeaveNone) {
    EXPECT_EQ(make_word_key(L""), L"");
    EXPECT_EQ(make_word_key(L" \t\r\n "), L"");
    EXPECT_EQ(make_word_key(L" Сумма\n"), L"сумма");
    EXPECT_EQ(make_word_key(L"month\t\n in  words"), L"month|in|words");
}

TEST(WordKey, TypedBarsStayExceptAtTheEnd) {
    EXPECT_EQ(make_word_key(L"a | b"), L"a|||b");
    EXPECT_EQ(make_word_key(L"|a b|"), L"|a|b");
    EXPECT_EQ(make_word_key(L"a||| "), L"a");
}

TEST(WordKey, OnlyTheFourBlanksSeparateWords) {
    EXPECT_EQ(make_word_key(L"a\u00A0b"), L"a\u00A0b");
    EXPECT_EQ(make_word_key(L"a\vb\fc"), L"a\vb\fc");
}

TEST(WordKey, LowersCyrillicAndLatinButNotOtherCharacters) {
    EXPECT_EQ(make_word_key(L"ДАТА Составления"), L"дата|составления");
    EXPECT_EQ(make_word_key(L"Month IN Words 2-й №5"), L"month|in|words|2-й|№5");
}

TEST(JoinWords, KeepsTheLetterCase) {
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
}

TEST(WordKey, QuickLoweringAgreesWithTheFullMapping) {
    for (wchar_t c = 1; c < 0x0530; ++c) {
        std::wstring text(1, c);
        EXPECT_TRUE(word_key_equals(text, make_word_key(text))) << int(c);
    }
}
