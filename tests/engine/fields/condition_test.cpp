#include <gtest/gtest.h>

#include <string>

#include "engine/fields/parameter_fixture.h"

using namespace engine;

class Conditions : public engine::testing::parameter_document {
protected:
    void SetUp() override {
        add_field(L"Пол", L"Ж");
        add_field(L"Город", L"Нижний  Новгород");
        add_field(L"Сумма", L"1 500,50");
        add_field(L"Ноль", L"0");
        add_field(L"Пусто", L"  ");
        add_field(L"Да", L"1");
        add_field(L"Нет", L"");
    }
    bool holds(const std::wstring& condition) { return test(L"{" + condition + L"}"); }
};

TEST_F(Conditions, SingleOperandsTestForBlank) {
    EXPECT_TRUE(holds(L"Пол"));
    EXPECT_FALSE(holds(L"Пусто"));
    EXPECT_FALSE(holds(L"Неизвестно"));
    EXPECT_TRUE(holds(L"Ноль"));  // a name: its text "0" is not blank
    EXPECT_FALSE(holds(L"x = 0"));
    EXPECT_FALSE(holds(L" "));
    EXPECT_FALSE(test(L""));
}

TEST_F(Conditions, NumberOperandsUseTheNumberReading) {
    // After "(" a number is read by the number state only when a blank
    // precedes it; these are numbers.
    EXPECT_FALSE(test(L"{( 0)}"));
    EXPECT_TRUE(test(L"{( 0,5)}"));
    EXPECT_TRUE(test(L"{( 2)}"));
}

TEST_F(Conditions, EqualityByWordKeyOrExactly) {
    EXPECT_TRUE(holds(L"Пол = \"ж\""));
    EXPECT_TRUE(holds(L"Пол = ж"));  // an unquoted word that names nothing is a literal
    EXPECT_TRUE(holds(L"Город = \"нижний новгород\""));
    EXPECT_FALSE(holds(L"Город == \"нижний новгород\""));
    EXPECT_TRUE(holds(L"Пол == \"Ж\""));
    EXPECT_TRUE(holds(L"Пол != \"ж\""));
    EXPECT_FALSE(holds(L"Пол != \"Ж\""));
    EXPECT_TRUE(holds(L"Пол НЕ \"м\""));
    EXPECT_FALSE(holds(L"Пол не \"ж\""));
}

TEST_F(Conditions, NumbersCompareByValue) {
    EXPECT_TRUE(holds(L"Сумма = 1500,5"));
    EXPECT_FALSE(holds(L"Сумма == 1500,5"));
    EXPECT_TRUE(holds(L"Сумма > 1000"));
    EXPECT_TRUE(holds(L"Сумма >= 1500,50"));
    EXPECT_FALSE(holds(L"Сумма < 1 000"));
    EXPECT_TRUE(holds(L"Сумма <= 1500,50"));
    EXPECT_TRUE(holds(L"Сумма != 1"));
    EXPECT_TRUE(holds(L"Ноль > -1"));
}

TEST_F(Conditions, TextsCompareByContainment) {
    EXPECT_TRUE(holds(L"Город < \"новгород\""));
    EXPECT_TRUE(holds(L"Город <= \"НИЖНИЙ\""));
    EXPECT_FALSE(holds(L"Город << \"новгород\""));
    EXPECT_TRUE(holds(L"Город << \"Новгород\""));
    EXPECT_TRUE(holds(L"\"нижний\" > Город"));
    EXPECT_TRUE(holds(L"\"Нижний\" >> Город"));
}

TEST_F(Conditions, DatesCompareByDay) {
    current_language = 1;
    add_field(L"Начало", L"05.01.2024");
    add_field(L"Конец", L"06.01.2024");
    add_field(L"Тоже", L"05.01.2024");
    EXPECT_TRUE(holds(L"Начало < Конец"));
    EXPECT_FALSE(holds(L"Начало < Тоже"));
    EXPECT_TRUE(holds(L"Начало <= Тоже"));
    EXPECT_TRUE(holds(L"Начало >= Тоже"));
    EXPECT_FALSE(holds(L"Начало > Тоже"));
    EXPECT_TRUE(holds(L"Конец >> Начало"));
    EXPECT_TRUE(holds(L"Начало = Тоже"));
    EXPECT_FALSE(holds(L"Начало = Конец"));
    EXPECT_FALSE(holds(L"Начало < Пол"));
}

TEST_F(Conditions, ConnectivesGroupToTheRight) {
    // Нет И Да ИЛИ Да: left grouping would be true; templates rely on false.
    EXPECT_FALSE(holds(L"Нет И Да ИЛИ Да"));
    EXPECT_TRUE(holds(L"Да ИЛИ Нет И Нет"));
    EXPECT_TRUE(holds(L"Да AND Пол = ж"));
    EXPECT_FALSE(holds(L"Пол = м OR Нет"));
    EXPECT_TRUE(holds(L"Пол = м OR Да"));
}

TEST_F(Conditions, NegationCoversTheRestOfTheChain) {
    EXPECT_TRUE(holds(L"НЕ Да И Нет"));
    EXPECT_FALSE(holds(L"NOT Да"));
    EXPECT_TRUE(holds(L" !Нет"));  // "{!" would open a verbatim block
    EXPECT_TRUE(holds(L"НЕ (Нет)"));
    EXPECT_TRUE(holds(L"Да И НЕ Нет"));
}

TEST_F(Conditions, Parentheses) {
    EXPECT_TRUE(holds(L"(Нет И Да) ИЛИ Да"));
    EXPECT_FALSE(holds(L"(Да ИЛИ Нет) И Нет"));
    EXPECT_TRUE(holds(L"((Да))"));
    EXPECT_TRUE(holds(L"(Пол = ж) И (Сумма > 1)"));
}

TEST_F(Conditions, DanglingOperatorsEndTheChain) {
    EXPECT_FALSE(holds(L"Пол ="));
    EXPECT_TRUE(holds(L"Да И"));
    EXPECT_FALSE(holds(L"И"));
    EXPECT_FALSE(holds(L"Пол ?? ж"));
}

TEST_F(Conditions, DeepNestingIsCapped) {
    std::wstring deep = std::wstring(50000, L'(') + L"Да" + std::wstring(50000, L')');
    EXPECT_NO_FATAL_FAILURE(holds(deep));
    std::wstring chain;
    for (int i = 0; i < 50000; ++i) chain += L"НЕ ";
    EXPECT_NO_FATAL_FAILURE(holds(chain + L"Да"));
}

TEST_F(Conditions, ChainsInText) {
    EXPECT_EQ(run(L"{ЕСЛИ Пол = \"м\" ТО \"он\" ИНАЧЕ \"она\"}"), L"она");
    EXPECT_EQ(run(L"{IF Сумма > 2000 THEN \"big\" ELSE IF Сумма > 1000 THEN \"mid\" ELSE \"small\"}"), L"mid");
}
