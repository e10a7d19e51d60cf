#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/fields/calculator.h"

using namespace engine;

TEST(Calculator, PrecedenceParenthesesAndSigns) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"2+3*4"), 14);
    EXPECT_DOUBLE_EQ(calculate_expression(L"(2+3)*4"), 20);
    EXPECT_DOUBLE_EQ(calculate_expression(L" 7 / 2 "), 3.5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"-3+-2"), -5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"10-2-3"), 5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"1.5e2"), 150);
    EXPECT_DOUBLE_EQ(calculate_expression(L"12abc+1"), 13);
}

TEST(Calculator, NamesReadAsZeroAndALeadingNameIsALabel) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"A = 2+3"), 5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"X+1"), 1);
    EXPECT_DOUBLE_EQ(calculate_expression(L"Total*3+4"), 4);
}

TEST(Calculator, UnreadableTextGivesZeroOrStopsTheExpression) {
    EXPECT_DOUBLE_EQ(calculate_expression(L""), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"   "), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"abc+2"), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"4+5 $ +100"), 9);
    EXPECT_DOUBLE_EQ(calculate_expression(L"1,5+1"), 2);  // "," is no decimal sign here
}

TEST(Calculator, DivisionAndProductWithZero) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"10/0"), 10);
    EXPECT_DOUBLE_EQ(calculate_expression(L"7*0"), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"0*7"), 0);
}

TEST(Calculator, RemainderUsesTruncatedIntegerParts) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"7%3"), 1);
    EXPECT_DOUBLE_EQ(calculate_expression(L"7.9%3.2"), 1);
    EXPECT_DOUBLE_EQ(calculate_expression(L"-7%3"), -1);
    EXPECT_DOUBLE_EQ(calculate_expression(L"7.5%0"), 7.5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"1e30%7"), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"5%1e30"), 0);
}

TEST(Calculator, PowersGroupRightAndTakeTheSignFirst) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"2^3^2"), 512);
    EXPECT_DOUBLE_EQ(calculate_expression(L"-2^2"), 4);
    EXPECT_DOUBLE_EQ(calculate_expression(L"0^0"), 1);
    EXPECT_DOUBLE_EQ(calculate_expression(L"5^0"), 1);
    EXPECT_NEAR(calculate_expression(L"2^0.5"), 1.41421356, 1e-8);
    EXPECT_DOUBLE_EQ(calculate_expression(L"2^-1"), 0.5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"3^"), 3);
}

TEST(Calculator, HugeExponentsNeitherLoopNorOverflow) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"1^2000000000"), 1);
    EXPECT_DOUBLE_EQ(calculate_expression(L"10^400"), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"(-8)^0.5"), 0);
}

TEST(Calculator, MissingOperandsFollowTheDeskCalculatorRule) {
    EXPECT_DOUBLE_EQ(calculate_expression(L"5+"), 5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"1+2+"), 5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"2*3*"), 18);
    EXPECT_DOUBLE_EQ(calculate_expression(L"5*"), 0);
    EXPECT_DOUBLE_EQ(calculate_expression(L"(2+3"), 5);
}

TEST(Calculator, LongTokensAndDeepNesting) {
    std::wstring long_number = L"1" + std::wstring(300, L'0');
    EXPECT_DOUBLE_EQ(calculate_expression(long_number + L"/1e299"), 10);
    std::wstring long_name = L"N" + std::wstring(500, L'a');
    EXPECT_DOUBLE_EQ(calculate_expression(long_name + L" = 4"), 4);

    std::wstring nested = std::wstring(200, L'(') + L"3" + std::wstring(200, L')');
    EXPECT_DOUBLE_EQ(calculate_expression(nested), 3);
    std::wstring too_deep = std::wstring(100000, L'(') + L"3";
    EXPECT_DOUBLE_EQ(calculate_expression(too_deep), 0);
    std::wstring powers = L"1";
    for (int i = 0; i < 100000; ++i) powers += L"^1";
    EXPECT_DOUBLE_EQ(calculate_expression(powers), 0);
}

TEST(Calculator, CallsMayNest) {
    // No shared state: a second evaluation in between changes nothing.
    double first = calculate_expression(L"2+2");
    double second = calculate_expression(L"3*3");
    EXPECT_DOUBLE_EQ(first + second, 13);
}

TEST(NumberReaders, TakeTheLeadingNumberOrZero) {
    EXPECT_EQ(parse_int_or_zero(L"12abc"), 12);
    EXPECT_EQ(parse_int_or_zero(L"  -42"), -42);
    EXPECT_EQ(parse_int_or_zero(L"+7"), 7);
    EXPECT_EQ(parse_int_or_zero(L"abc"), 0);
    EXPECT_EQ(parse_int_or_zero(L"0x1F"), 0);
    EXPECT_EQ(parse_int_or_zero(L"3.9"), 3);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L" 2.5mm"), 2.5);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"-1.5e3x"), -1500);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"1e"), 1);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"mm"), 0);
}

TEST(NumberReaders, OutOfRangeAndSpecialValuesGiveZero) {
    EXPECT_EQ(parse_int_or_zero(L"2147483647"), 2147483647);
    EXPECT_EQ(parse_int_or_zero(L"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parse_int_or_zero(L"2147483648"), 0);
    EXPECT_EQ(parse_long_or_zero(L"-2147483649"), 0);
    EXPECT_EQ(parse_long_or_zero(L"99999999999999999999999"), 0);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"1e999"), 0);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"inf"), 0);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"nan"), 0);
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"0x10"), 0);
}

TEST(NumberReaders, IgnoreTheProcessLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"2.5"), 2.5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"1.5+1.25"), 2.75);
    std::setlocale(LC_ALL, saved.c_str());
}
