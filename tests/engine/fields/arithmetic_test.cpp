#include <clocale>

#include "engine/fields/calculator.h"
#include "engine/fields/parameter_fixture.h"

using namespace engine;

class Arithmetic : public engine::testing::parameter_document {
protected:
    void SetUp() override {
        add_fields({{L"Цена", L"1 234,50"},
                    {L"Кол", L"2"},
                    {L"Минус", L"-5"},
                    {L"Имя", L"Иван"},
                    {L"Price", L"19.99"},
                    {L"Big", L"1,000,000"}});
    }
};

// clang-format off
TEST_F(Arithmetic, SignsTrailingAndUncomputedOperatorsSeparatorsAndAssignments) {
    expect_runs({{L"{Минус + 1}", L"-4"}, {L"{Кол * -3}", L"-6"}, {L"{Кол - -3}", L"5"}, {L"{x = -5}{x}", L"-5"},
                 {L"{Кол + Кол *}", L"4"}, {L"{Кол % 3}", L"2%3"}, {L"{Кол = 3 = 4}", L""},
                 {L"{\"a\" Кол = 3}", L"a2=3"},
                 // Text makes the result empty; nested blocks enter as their result.
                 {L"{Имя + 1}", L""}, {L"{(Кол + 3) * 2}", L"10"}, {L"{Кол + {ЕСЛИ Кол ТО 3}}", L"5"},
                 // After "(" the lexer takes a number for a name: it stays a number.
                 {L"{(5+3)}", L"8"},
                 // A backslash makes the statement arithmetic; the calculator stops there.
                 {L"{Кол \\ 2}", L"2"},
                 {L"{Big + 1}", L"1000001"}, {L"{Price * 2}", L"39.98"}, {L"{2 ^ 0.5 * 0}", L"0"}});
    view.language = 1;
    expect_runs({{L"{Цена * Кол}", L"2469"}, {L"{Цена / 4}", L"308,625"}, {L"{Кол + 1,5}", L"3,5"},
                 {L"{формат:Цена * 2}", L"2469"}, {L"{Сумма = Цена * Кол}", L""}});
    EXPECT_EQ(variable(L"сумма"), L"2469");
    EXPECT_EQ(run(L"{Сумма + 1}"), L"2470");
}
// clang-format on

TEST_F(Arithmetic, TheProcessLocaleChangesNothing) {
    std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "ru_RU.UTF-8")) GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    EXPECT_DOUBLE_EQ(parse_double_or_zero(L"2.5"), 2.5);
    EXPECT_DOUBLE_EQ(calculate_expression(L"1.5+1.25"), 2.75);
    expect_runs({{L"{Price * 2}", L"39.98"}, {L"{ИМЯ}", L"ИВАН"}});
    view.language = 1;
    EXPECT_EQ(run(L"{Цена / 4}"), L"308,625");
    std::setlocale(LC_ALL, saved.c_str());
}

// Days counted from a date field that holds no date give no date, and no
// bare number either; an empty number field still counts as 0.
TEST_F(Arithmetic, AComputationFromADateFieldWithoutADateIsEmpty) {
    constexpr std::uint16_t date_type = 1, number_type = 3;
    add_field(L"Начало", L"").a = date_type;
    add_field(L"Конец", L"не знаю").a = date_type;
    doc_record& hidden = add_field(L"Скрытая", L"05.01.2024");
    hidden.a = date_type;
    hidden.c = 1;
    add_field(L"Подписан", L"05.01.2024").a = date_type;
    add_field(L"Срок", L"").a = number_type;
    view.language = 1;
    // clang-format off
    expect_runs({{L"{Начало + 30}", L""}, {L"{Конец + 30}", L""}, {L"{Скрытая + 30}", L""},
                 {L"{Начало - Подписан}", L""}, {L"{длинная:Начало + 10}", L""}, {L"{x = Начало + 30}{x}", L""},
                 {L"{Подписан + 30}", L"04.02.2024"}, {L"{Срок + 30}", L"30"}, {L"{30 + Начало}", L"30"}});
    // clang-format on
}

// A field that says there is none counts as an empty one: "N/A" travel once
// emptied the invoice's total, and «нет» materials the act's. A text that
// puts the amount off («не посчитаны», "not yet known") still gives no total
// without it, and 0 stays a number.
TEST_F(Arithmetic, ATextThatSaysNoneCountsAsAnEmptyField) {
    constexpr std::uint16_t date_type = 1, number_type = 3;
    add_field(L"Work", L"1200").a = number_type;
    add_field(L"Hours", L"0").a = number_type;
    add_field(L"Rate", L"50").a = number_type;
    add_field(L"Signed", L"05.01.2024").a = date_type;
    doc_record& other = add_field(L"Materials", L"");
    other.a = number_type;
    const std::wstring alone = run(L"{Signed + Materials}");
    for (const wchar_t* none :
         {L"N/A", L"none", L"-", L"\u2014", L"нет", L"«Нет!»", L"без материалов", L""}) {
        other.s2 = none;
        // clang-format off
        for (auto [source, expected] : {std::pair{L"{Work + Materials}", L"1200"}, {L"{Work + Materials * 2}", L"1200"},
                                        {L"{Hours * Rate + Materials}", L"0"}, {L"{total = Work + Materials}{total}", L"1200"}})
            EXPECT_EQ(run(source), expected) << source << " " << none;
        // clang-format on
        EXPECT_EQ(run(L"{Signed + Materials}"), alone) << none;
    }
    for (const wchar_t* later :
         {L"not yet known", L"TBD", L"10-15", L"не посчитаны", L"уточняется"}) {
        other.s2 = later;
        EXPECT_EQ(run(L"{Work + Materials}"), L"") << later;
        EXPECT_EQ(run(L"{Hours * Rate + Materials}"), L"") << later;
    }
}

// A total from a text that is no number was a number: "approx. 40" units
// cost $0.00, "10-12" units $1,263,988.00, and a unit's point made «18
// 500,00 руб.» a hundred times larger. A currency code before the number and
// words after it leave the number («USD 45», «15 тыс. руб.», «28 дней»).
TEST_F(Arithmetic, ATextThatIsNoNumberGivesNoResultAndAUnitIsNoPartOfTheNumber) {
    constexpr std::uint16_t date_type = 1, number_type = 3;
    add_field(L"Quantity", L"approx. 40").a = number_type;
    add_field(L"Unit price", L"USD 45").a = number_type;
    add_field(L"Range", L"10-12").a = number_type;
    add_field(L"Days", L"10-15").a = number_type;
    add_field(L"Signed", L"05.01.2024").a = date_type;
    add_field(L"Rub", L"18 500,00 руб.").a = number_type;
    // A term has its unit: a field without one counts money.
    add_field(L"Term", L"28 дн.").a = number_type;
    field_named(L"Term").s4 = L"day";
    add_field(L"Advance", L"15 тыс. руб.").a = number_type;
    add_field(L"Leave", L"28 календарных дней").a = number_type;
    field_named(L"Leave").s4 = L"calendar day";
    add_field(L"Share", L"1/3 стоимости").a = number_type;
    // clang-format off
    expect_runs({{L"{Quantity * Unit price}", L""}, {L"{Range * Price}", L""}, {L"{total = Range * 2}{total}", L""},
                 {L"{Кол * \"approx.\"}", L""}, {L"{Signed + Days}", L""}, {L"{Share * 2}", L""},
                 {L"{Big * 2}", L"2000000"}, {L"{Price * Кол}", L"39.98"}, {L"{Unit price * 2}", L"90"}});
    view.language = 1;
    expect_runs({{L"{Rub * 2}", L"37000"}, {L"{Rub / 4}", L"4625"}, {L"{Signed + Term}", L"02.02.2024"},
                 {L"{Цена * Кол}", L"2469"}, {L"{Advance * 2}", L"30000"}, {L"{Signed + Leave}", L"02.02.2024"}});
    // clang-format on
}
