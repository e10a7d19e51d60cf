#include <gtest/gtest.h>

#include <vector>

#include "engine/document/numbering.h"

using namespace engine;

namespace {

std::vector<std::wstring> prefixes(std::initializer_list<int> kinds, int language = 0) {
    numbering_counter_set counters{};
    std::vector<std::wstring> out;
    for (int k : kinds) out.push_back(numbering_prefix(k, counters, language));
    return out;
}

using list = std::vector<std::wstring>;

}  // namespace

TEST(NumberingPrefix, OutlineLevels) {
    EXPECT_EQ(prefixes({1, 2, 1, 2, 3}),
              (list{L"1.&nbsp;", L"1.1.&nbsp;", L"2.&nbsp;", L"2.1.&nbsp;", L"2.1.1.&nbsp;"}));
    EXPECT_EQ(prefixes({2}), (list{L"1.1.&nbsp;"}));
    EXPECT_EQ(prefixes({3}), (list{L"1.1.1.&nbsp;"}));
    EXPECT_EQ(prefixes({0, 13, 18}), (list{L"", L"-&nbsp;", L"-&nbsp;"}));
}

TEST(NumberingPrefix, RestartsAndTheThousandFlag) {
    EXPECT_EQ(prefixes({1, 1, 1, 101, 1}),
              (list{L"1.&nbsp;", L"2.&nbsp;", L"3.&nbsp;", L"1.&nbsp;", L"2.&nbsp;"}));
    EXPECT_EQ(prefixes({1005, 1, 1101}), (list{L"I.&nbsp;", L"1.&nbsp;", L"1.&nbsp;"}));
}

TEST(NumberingPrefix, RomanNumeralsStopAtThirtyAndLowerOnesShareACounter) {
    numbering_counter_set counters{};
    std::wstring last;
    for (int i = 0; i < 31; ++i) last = numbering_prefix(5, counters, 0);
    EXPECT_EQ(last, L"XXX.&nbsp;");
    EXPECT_EQ(prefixes({6, 7, 8}), (list{L"i.&nbsp;", L"ii)&nbsp;", L"(iii)&nbsp;"}));
    EXPECT_EQ(prefixes({6, 4, 6}), (list{L"i.&nbsp;", L"1)&nbsp;", L"i.&nbsp;"}));
}

TEST(NumberingPrefix, LettersFollowTheDocumentLanguage) {
    EXPECT_EQ(prefixes({10, 10, 11}, 0), (list{L"a.&nbsp;", L"b.&nbsp;", L"c)&nbsp;"}));
    EXPECT_EQ(prefixes({10, 10, 11}, 1), (list{L"а.&nbsp;", L"б.&nbsp;", L"в)&nbsp;"}));
    EXPECT_EQ(prefixes({9, 9}, 0), (list{L"A.&nbsp;", L"B.&nbsp;"}));
    EXPECT_EQ(prefixes({9, 9}, 1), (list{L"А.&nbsp;", L"Б.&nbsp;"}));
    EXPECT_EQ(prefixes({19, 20}, 0), (list{L"а.&nbsp;", L"б)&nbsp;"}));
}

TEST(NumberingPrefix, KindTwelveCountsOnlyInRussian) {
    EXPECT_EQ(prefixes({12, 10}, 0), (list{L"&nbsp;", L"a.&nbsp;"}));
    EXPECT_EQ(prefixes({12, 12}, 1), (list{L"(а)&nbsp;", L"(б)&nbsp;"}));
}

TEST(NumberingPrefix, LettersRunOnPastTheAlphabet) {
    numbering_counter_set counters{};
    std::wstring last;
    for (int i = 0; i < 27; ++i) last = numbering_prefix(10, counters, 0);
    EXPECT_EQ(last, L"{.&nbsp;");
}

TEST(NumberingPrefix, PlainNumbersAndUnknownKinds) {
    EXPECT_EQ(prefixes({14, 16, 15, 17}), (list{L"1&nbsp;", L"2&nbsp;", L"1&nbsp;", L"2&nbsp;"}));
    EXPECT_EQ(prefixes({21, 99, 1}), (list{L"&nbsp;", L"&nbsp;", L"1.&nbsp;"}));
}

TEST(RomanNumerals, TableHoldsOneToThirty) {
    EXPECT_EQ(roman_numerals[0], L"I");
    EXPECT_EQ(roman_numerals[3], L"IV");
    EXPECT_EQ(roman_numerals[8], L"IX");
    EXPECT_EQ(roman_numerals[13], L"XIV");
    EXPECT_EQ(roman_numerals[18], L"XIX");
    EXPECT_EQ(roman_numerals[23], L"XXIV");
    EXPECT_EQ(roman_numerals[28], L"XXIX");
    EXPECT_EQ(roman_numerals[29], L"XXX");
}
