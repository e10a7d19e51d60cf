#include "engine/fields/number_words_en.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(EnglishNumberWords, GroupsHyphenateTensAndSayNoAnd) {
    EXPECT_EQ(number_words_en(L"21", 0), L"twenty-one");
    EXPECT_EQ(number_words_en(L"115", 0), L"one hundred fifteen");
    EXPECT_EQ(number_words_en(L"101", 0), L"one hundred one");
    EXPECT_EQ(number_words_en(L"40", 0), L"forty");
    EXPECT_EQ(number_words_en(L"2,500", 0), L"two thousand five hundred");
    EXPECT_EQ(number_words_en(L" 1 000 000 ", 0), L"one million");
    EXPECT_EQ(number_words_en(L"007", 0), L"seven");
}

TEST(EnglishNumberWords, ZeroGroupsLeaveTheirBlanks) {
    EXPECT_EQ(number_words_en(L"1005", 0), L"one thousand  five");
    EXPECT_EQ(number_words_en(L"1,000,001,000", 0), L"one billion  one thousand");
    EXPECT_EQ(number_words_en(L"123,456,789,012", 0),
              L"one hundred twenty-three billion four hundred fifty-six million seven hundred "
              L"eighty-nine thousand  twelve");
}

TEST(EnglishNumberWords, ScalesRunToTwentyDigitsAndLongerTextStaysDigits) {
    EXPECT_EQ(number_words_en(L"1000000000000", 0), L"one trillion");
    EXPECT_EQ(number_words_en(L"2000000000000000", 0), L"two quadrillion");
    EXPECT_EQ(number_words_en(L"12345678901234567890", 0),
              L"twelve quintillion three hundred forty-five quadrillion six hundred seventy-eight "
              L"trillion nine hundred one billion two hundred thirty-four million five hundred "
              L"sixty-seven thousand eight hundred ninety");
    EXPECT_EQ(number_words_en(L"123456789012345678901", 0), L"123456789012345678901");
}

TEST(EnglishNumberWords, ZeroIsAWordAndStrayCharactersCountAsZero) {
    EXPECT_EQ(number_words_en(L"0", 0), L"zero");
    EXPECT_EQ(number_words_en(L"00", 1), L"zero");
    EXPECT_EQ(number_words_en(L"", 0), L"zero");
    EXPECT_EQ(number_words_en(L"1x5", 0), L"one hundred five");
}

TEST(EnglishNumberWords, CentsAreWordedLikeAnyNumber) {
    EXPECT_EQ(number_words_en(L"01", 1), L"one");
    EXPECT_EQ(number_words_en(L"50", 1), L"fifty");
    EXPECT_EQ(number_words_en(L"99", 1), L"ninety-nine");
}

TEST(EnglishNumberWords, DecimalsAreReadDigitByDigitKeepingZeros) {
    EXPECT_EQ(decimal_words_en(L"5"), L"point five");
    EXPECT_EQ(decimal_words_en(L"05"), L"point zero five");
}

}  // namespace
}  // namespace engine
