#include "engine/fields/calculator.h"

#include <gtest/gtest.h>

#include <string>

using namespace engine;

TEST(Calculator, ReadsWhatItCanAndCountsTheRestAsZero) {
    // clang-format off
    const std::pair<const wchar_t*, double> cases[] = {
        {L"2+3*4", 14},    {L"(2+3)*4", 20},  {L" 7 / 2 ", 3.5},  {L"-3+-2", -5},  {L"10-2-3", 5},
        {L"1.5e2", 150},   {L"12abc+1", 13},  {L"A = 2+3", 5},    {L"X+1", 1},     {L"Total*3+4", 4},
        {L"", 0},          {L"abc+2", 0},     {L"4+5 $ +100", 9}, {L"1,5+1", 2},   {L"10/0", 10},
        {L"7%3", 1},       {L"7.9%3.2", 1},   {L"-7%3", -1},      {L"7.5%0", 7.5}, {L"1e30%7", 0},
        {L"2^3^2", 512},   {L"-2^2", 4},      {L"0^0", 1},        {L"2^-1", 0.5},  {L"3^", 3},
        {L"7*0", 0},       {L"2^0.5", 1.4142135623730951},
        {L"1^2000000000", 1}, {L"10^400", 0}, {L"(-8)^0.5", 0}, {L"5%1e30", 0},
        // A missing operand repeats the previous one after a later operator.
        {L"5+", 5},        {L"1+2+", 5},      {L"2*3*", 18},      {L"5*", 0},      {L"(2+3", 5},
    };
    // clang-format on
    for (auto [text, expected] : cases)
        EXPECT_DOUBLE_EQ(calculate_expression(text), expected) << text;
}

TEST(Calculator, TellsAZeroDivisorWithoutChangingTheValue) {
    // clang-format off
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"10/0", true},  {L"10/(2-2)", true}, {L"10/", true},
        {L"10/4", false}, {L"0/5", false},     {L"7%0", false},
    };
    // clang-format on
    for (auto [text, zero_divisor] : cases) {
        bool flagged = !zero_divisor;
        const double value = calculate_expression(text, &flagged);
        EXPECT_EQ(flagged, zero_divisor) << text;
        EXPECT_DOUBLE_EQ(value, calculate_expression(text)) << text;
    }
}

TEST(Calculator, LongTokensAndDeepNestingFinish) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"1" + std::wstring(300, L'0') + L"/1e299"), 10);
    EXPECT_DOUBLE_EQ(calculate_expression(L"N" + std::wstring(500, L'a') + L" = 4"), 4);
    EXPECT_DOUBLE_EQ(calculate_expression(std::wstring(200, L'(') + L"3" + std::wstring(200, L')')),
                     3);
    EXPECT_DOUBLE_EQ(calculate_expression(std::wstring(100000, L'(') + L"3"), 0);
    std::wstring powers = L"1";
    for (int i = 0; i < 100000; ++i) powers += L"^1";
    EXPECT_DOUBLE_EQ(calculate_expression(powers), 0);
}

// The locale is ignored: see the arithmetic tests.
TEST(NumberReaders, TakeTheLeadingNumberOrZeroWhenItDoesNotFit) {
    for (auto [text, expected] : {std::pair{L"  -42abc", -42},
                                  {L"0x1F", 0},
                                  {L"3.9", 3},
                                  {L"-2147483648", -2147483647 - 1},
                                  {L"2147483648", 0}})
        EXPECT_EQ(parse_int_or_zero(text), expected) << text;
    EXPECT_EQ(parse_long_or_zero(L"99999999999999999999999"), 0);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"-1.5e3x"), -1500);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"1e"), 1);
    for (const wchar_t* text : {L"1e999", L"inf", L"nan", L"0x10", L"mm"})
        EXPECT_DOUBLE_EQ(parse_double_or_zero(text), 0) << text;
}
