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
        add_field(L"Price", L"19.99");
        add_field(L"Big", L"1,000,000");
    }
    void expect(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> cases) {
        for (auto [source, expected] : cases) EXPECT_EQ(run(source), expected) << source;
    }
};

TEST_F(Arithmetic, BothLanguagesReadTheirOwnSeparators) {
    expect({{L"{Big + 1}", L"1000001"}, {L"{Price * 2}", L"39.98"}, {L"{2 ^ 0.5 * 0}", L"0"}});
    current_language = 1;
    expect({{L"{Цена * Кол}", L"2469"}, {L"{Цена / 4}", L"308,625"}, {L"{Кол + 1,5}", L"3,5"},
            {L"{формат:Цена * 2}", L"2469"}});
}

TEST_F(Arithmetic, SignsTrailingOperatorsAndWhatIsLeftUncomputed) {
    expect({{L"{Минус + 1}", L"-4"}, {L"{Кол * -3}", L"-6"}, {L"{Кол - -3}", L"5"},
            {L"{x = -5}{x}", L"-5"}, {L"{Кол + Кол *}", L"4"}, {L"{Кол % 3}", L"2%3"},
            {L"{Кол = 3 = 4}", L""}, {L"{\"a\" Кол = 3}", L"a2=3"},
            // Text enters as 0, nested blocks as their result.
            {L"{Имя + 1}", L"0"}, {L"{(Кол + 3) * 2}", L"10"}, {L"{Кол + {ЕСЛИ Кол ТО 3}}", L"5"},
            // A backslash makes the statement arithmetic; the calculator stops there.
            {L"{Кол \\ 2}", L"2"}});
}

TEST_F(Arithmetic, AssignmentsStoreTheComputedText) {
    current_language = 1;
    EXPECT_EQ(run(L"{Сумма = Цена * Кол}"), L"");
    EXPECT_EQ(variable(L"сумма"), L"2469");
    EXPECT_EQ(run(L"{Сумма + 1}"), L"2470");
}

TEST_F(Arithmetic, TheProcessLocaleChangesNothing) {
    std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    EXPECT_EQ(run(L"{Price * 2}"), L"39.98");
    EXPECT_EQ(run(L"{ИМЯ}"), L"ИВАН");
    current_language = 1;
    EXPECT_EQ(run(L"{Цена / 4}"), L"308,625");
    std::setlocale(LC_ALL, saved.c_str());
}
