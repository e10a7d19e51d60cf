#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/fields/parameter_fixture.h"

using namespace engine;

class Arithmetic : public engine::testing::parameter_document {
protected:
    void SetUp() override {
        add_field(L"Цена", L"1 234,50");
        add_field(L"Кол", L"2");
        add_field(L"Минус", L"-5");
        add_field(L"Имя", L"Иван");
    }
};

TEST_F(Arithmetic, RussianValuesComputeWithTheirDecimalComma) {
    current_language = 1;
    EXPECT_EQ(run(L"{Цена * Кол}"), L"2469");
    EXPECT_EQ(run(L"{Цена / 4}"), L"308,625");
    EXPECT_EQ(run(L"{Кол + 1,5}"), L"3,5");
    EXPECT_EQ(run(L"{формат:Цена * 2}"), L"2469");
}

TEST_F(Arithmetic, EnglishValuesGroupWithCommas) {
    current_language = 0;
    add_field(L"Big", L"1,000,000");
    add_field(L"Small", L"1,500");
    add_field(L"Price", L"19.99");
    EXPECT_EQ(run(L"{Big + 1}"), L"1000001");
    EXPECT_EQ(run(L"{Small * 2}"), L"3000");
    EXPECT_EQ(run(L"{Price * 2}"), L"39.98");
    EXPECT_EQ(run(L"{2 ^ 0.5 * 0}"), L"0");
}

TEST_F(Arithmetic, SignsAreKept) {
    EXPECT_EQ(run(L"{Минус + 1}"), L"-4");
    EXPECT_EQ(run(L"{Кол * -3}"), L"-6");
    EXPECT_EQ(run(L"{Кол - -3}"), L"5");
    EXPECT_EQ(run(L"{x = -5}{x}"), L"-5");
    EXPECT_EQ(run(L"{Кол - Кол}"), L"0");
}

TEST_F(Arithmetic, TrailingOperatorsAreIgnored) {
    EXPECT_EQ(run(L"{Кол +}"), L"2");
    EXPECT_EQ(run(L"{Кол + Кол *}"), L"4");
}

TEST_F(Arithmetic, PercentAndMisplacedEqualsPrintUncomputed) {
    EXPECT_EQ(run(L"{Кол % 3}"), L"2%3");
    EXPECT_EQ(run(L"{Кол = 3 = 4}"), L"");
    EXPECT_EQ(run(L"{\"a\" Кол = 3}"), L"a2=3");
}

TEST_F(Arithmetic, AssignmentsStoreTheComputedText) {
    current_language = 1;
    EXPECT_EQ(run(L"{Сумма = Цена * Кол}"), L"");
    EXPECT_EQ(variable(L"сумма"), L"2469");
    EXPECT_EQ(run(L"{Сумма + 1}"), L"2470");
}

TEST_F(Arithmetic, TextAndNestedBlocksEnterUnchanged) {
    EXPECT_EQ(run(L"{Имя + 1}"), L"0");
    EXPECT_EQ(run(L"{(5+3)}"), L"8");
    EXPECT_EQ(run(L"{(Кол + 3) * 2}"), L"10");
    EXPECT_EQ(run(L"{Кол + {ЕСЛИ Кол ТО 3}}"), L"5");
}

TEST_F(Arithmetic, DateFirstStatementsGoToDateArithmetic) {
    current_language = 1;
    add_field(L"Дата", L"05.01.2024");
    EXPECT_EQ(run(L"{Дата + 10}"), L"15.01.2024");
    EXPECT_EQ(run(L"{Кол + 10}"), L"12");
}

TEST_F(Arithmetic, BackslashMakesAStatementArithmeticButTheCalculatorStopsThere) {
    EXPECT_EQ(run(L"{Кол \\ 2}"), L"2");
}

TEST_F(Arithmetic, TheProcessLocaleChangesNothing) {
    std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    current_language = 0;
    add_field(L"Price", L"19.99");
    EXPECT_EQ(run(L"{Price * 2}"), L"39.98");
    EXPECT_EQ(run(L"{ИМЯ}"), L"ИВАН");
    current_language = 1;
    EXPECT_EQ(run(L"{Цена / 4}"), L"308,625");
    std::setlocale(LC_ALL, saved.c_str());
}
