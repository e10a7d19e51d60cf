#include "engine/declension/number_word_tables.h"

#include <gtest/gtest.h>

#include <string>

using namespace engine;

TEST(NumberWordTables, ZeroDigitsAddNoWordAccusativeIsNominativeScaleWordsStandBetweenBlanks) {
    for (const wchar_t* first :
         {ordinal_units[0], ordinal_tens[0], ordinal_hundreds[0], ordinal_thousands[0]})
        EXPECT_STREQ(first, L"");
    for (int c = 0; c < 6; ++c) {
        EXPECT_STREQ(cardinal_units[c][0], L"");
        EXPECT_STREQ(cardinal_tens[c][0], L"");
        EXPECT_STREQ(cardinal_hundreds[c][0], L"");
    }
    for (int n = 0; n < 20; ++n) EXPECT_STREQ(cardinal_units[3][n], cardinal_units[0][n]);
    for (int t = 0; t < 10; ++t) {
        EXPECT_STREQ(cardinal_tens[3][t], cardinal_tens[0][t]);
        EXPECT_STREQ(cardinal_hundreds[3][t], cardinal_hundreds[0][t]);
    }
    for (const auto* table : {quintillion_words, quadrillion_words, trillion_words, milliard_words,
                              million_words, thousand_words})
        for (int c = 0; c < 6; ++c)
            for (int form = 0; form < 3; ++form) {
                std::wstring word = table[c][form];
                EXPECT_TRUE(word.size() >= 3 && word.front() == L' ' && word.back() == L' ' &&
                            word[1] != L' ')
                    << word;
            }
    EXPECT_STREQ(fraction_words[20][2], L"стоквинтиллионные");
    EXPECT_STREQ(ordinal_thousands[9], L"девятитысячный");
}

// Entries that no renderer reaches.
