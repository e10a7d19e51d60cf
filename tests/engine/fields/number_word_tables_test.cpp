#include "engine/declension/number_word_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace engine {
namespace {

constexpr int nominative = 0;
constexpr int accusative = 3;
constexpr int prepositional = 5;

TEST(NumberWordTables, ZeroDigitsAddNoWordInAnyCase) {
    for (int c = 0; c < 6; ++c) {
        EXPECT_STREQ(cardinal_units[c][0], L"");
        EXPECT_STREQ(cardinal_tens[c][0], L"");
        EXPECT_STREQ(cardinal_hundreds[c][0], L"");
    }
    for (const wchar_t* first : {ordinal_units[0], ordinal_tens[0], ordinal_hundreds[0], ordinal_thousands[0]})
        EXPECT_STREQ(first, L"");
}

TEST(NumberWordTables, InanimateAccusativeEqualsNominative) {
    for (int n = 0; n < 20; ++n) EXPECT_STREQ(cardinal_units[accusative][n], cardinal_units[nominative][n]);
    for (int t = 0; t < 10; ++t) {
        EXPECT_STREQ(cardinal_tens[accusative][t], cardinal_tens[nominative][t]);
        EXPECT_STREQ(cardinal_hundreds[accusative][t], cardinal_hundreds[nominative][t]);
    }
}

TEST(NumberWordTables, ScaleWordsStandBetweenBlanks) {
    const wchar_t* const(*scales[])[3] = {quintillion_words, quadrillion_words, trillion_words,
                                           milliard_words,    million_words,     thousand_words};
    for (const auto* table : scales)
        for (int c = 0; c < 6; ++c)
            for (int form = 0; form < 3; ++form) {
                std::wstring word = table[c][form];
                ASSERT_GE(word.size(), 3u);
                EXPECT_EQ(word.front(), L' ');
                EXPECT_EQ(word.back(), L' ');
                EXPECT_NE(word[1], L' ');
            }
    EXPECT_STREQ(thousand_words[2][0], L" тысяче ");
    EXPECT_STREQ(thousand_words[2][0], thousand_words[prepositional][0]);
    EXPECT_STREQ(million_words[1][2], L" миллионов ");
    EXPECT_STREQ(quintillion_words[4][0], L" квинтиллионом ");
}

TEST(NumberWordTables, FractionNounsEndWithRubleAndKopeck) {
    EXPECT_STREQ(fraction_words[0][1], L"целых");
    EXPECT_STREQ(fraction_words[20][2], L"стоквинтиллионные");
    EXPECT_STREQ(fraction_words[21][0], L"рубль");
    EXPECT_STREQ(fraction_words[22][1], L"копейки");
    EXPECT_STREQ(fraction_words[21][2], L"");
    EXPECT_STREQ(fraction_words[22][2], L"");
    EXPECT_STREQ(ordinal_thousands[9], L"девятитысячный");
    EXPECT_STREQ(two_forms[accusative][1], L"две");
}

}  // namespace
}  // namespace engine
