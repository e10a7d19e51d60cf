#include "ui/editing/calculator_keys.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using ui::calculator_key;

// The display after pressing `keys` from an empty one.
std::wstring typed(std::initializer_list<calculator_key> keys) {
    std::wstring text;
    for (calculator_key key : keys) text = ui::press_calculator_key(text, key, 0);
    return text;
}

constexpr calculator_key digit(int n) { return calculator_key(n); }

std::wstring calculated(std::wstring text, int language = 0) {
    return ui::Calculate(text, language);
}

TEST(CalculatorKeys, AppendTheirCharactersAndEditTheText) {
    EXPECT_EQ(typed({digit(1), calculator_key::comma, digit(5), calculator_key::multiply, digit(2),
                     calculator_key::blank, calculator_key::colon, calculator_key::minus,
                     calculator_key::plus, calculator_key::divide, calculator_key::open,
                     calculator_key::close, calculator_key::point}),
              L"1,5*2 :-+/().");
    EXPECT_EQ(typed({digit(1), digit(2), calculator_key::backspace}), L"1");
    EXPECT_EQ(typed({calculator_key::backspace}), L"");
    EXPECT_EQ(typed({digit(9), calculator_key::clear}), L"");
    EXPECT_EQ(ui::press_calculator_key(L"7", calculator_key(99), 0), L"7");
    EXPECT_EQ(typed({calculator_key::equals}), L"0");
}

TEST(Calculate, WritesAtMostSixDecimalsAndKeepsWhatItCannotWork) {
    EXPECT_EQ(calculated(L"2 / 3"), L"0.666667");
    EXPECT_EQ(calculated(L"2:3", 1), L"0,666667");
    EXPECT_EQ(calculated(L"0,1+0,2"), L"0.3");
    EXPECT_EQ(calculated(L"100*10"), L"1000");  // zeros before the point stay
    EXPECT_EQ(calculated(L"0*-1"), L"0");
    EXPECT_EQ(calculated(L"1-3", 1), L"-2");
    EXPECT_EQ(calculated(L"1.0000001"), L"1");
    // A number starting with a point counts from zero.
    EXPECT_EQ(calculated(L",5+1", 1), L"1,5");
    EXPECT_EQ(calculated(L"2*(.5)"), L"1");
    // A division by zero or a value past the range keeps the expression.
    for (const wchar_t* kept : {L"10/0", L"1 + 2 : (3-3)", L"1e308*10", L"1e308*10-1e308*10"})
        EXPECT_EQ(calculated(kept, 1), kept);
    EXPECT_EQ(calculated(L"1e308/1e308"), L"1");
}

TEST(DigitCounter, CountsDigitsOnly) {
    EXPECT_EQ(ui::digit_count_text(L"12+3"), L"3");
    EXPECT_EQ(ui::digit_count_text(L"+-,."), L"");
    EXPECT_EQ(ui::digit_count_text(L"1234567890123"), L"13");
}

}  // namespace
