#include "engine/fields/number_words_en.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace engine;

TEST(EnglishNumberWords, GroupsBlanksScalesZeroAndCents) {
    // clang-format off
    const std::tuple<const wchar_t*, int, const wchar_t*> cases[] = {
        {L"101", 0, L"one hundred one"}, {L"2,500", 0, L"two thousand five hundred"},
        {L" 1 000 000 ", 0, L"one million"}, {L"007", 0, L"seven"},
        // Zero groups leave no blanks of their own.
        {L"1,000,001,000", 0, L"one billion one thousand"},
        {L"12345678901234567890", 0,
         L"twelve quintillion three hundred forty-five quadrillion six hundred seventy-eight "
         L"trillion nine hundred one billion two hundred thirty-four million five hundred "
         L"sixty-seven thousand eight hundred ninety"},
        {L"123456789012345678901", 0, L"123456789012345678901"}, {L"", 0, L"zero"}, {L"00", 1, L"zero"},
        {L"1x5", 0, L"one hundred five"},  // stray characters count as 0
        {L"01", 1, L"one"}, {L"99", 1, L"ninety-nine"}};
    // clang-format on
    for (auto [digits, mode, expected] : cases)
        EXPECT_EQ(number_words_en(digits, mode), expected) << digits;
    EXPECT_EQ(decimal_words_en(L"05"), L"point zero five");
}
