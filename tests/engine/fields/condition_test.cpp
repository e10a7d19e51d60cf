#include "engine/fields/parameter_fixture.h"

using namespace engine;

class Conditions : public engine::testing::parameter_document {
protected:
    void SetUp() override {
        add_fields({{L"Пол", L"Ж"},
                    {L"Город", L"Нижний  Новгород"},
                    {L"Сумма", L"1 500,50"},
                    {L"Ноль", L"0"},
                    {L"Да", L"1"},
                    {L"Нет", L""}});
    }
    void expect(std::initializer_list<std::pair<const wchar_t*, bool>> cases) {
        for (auto [condition, expected] : cases)
            EXPECT_EQ(test(L"{" + std::wstring(condition) + L"}"), expected) << condition;
    }
};

// clang-format off
TEST_F(Conditions, OperandsAndEachOperatorFamily) {
    expect({
        {L"Ноль", true},  // a name: its text "0" is not blank
        // After "(" a number is read as a number only when a blank precedes it.
        {L"( 0)", false}, {L"( 0,5)", true},
        // Equality by word key, or exactly with "=="; an unquoted word that
        // names nothing is a literal.
        {L"Пол = ж", true}, {L"Город = \"нижний новгород\"", true}, {L"Город == \"нижний новгород\"", false},
        {L"Пол != \"ж\"", true}, {L"Пол НЕ \"м\"", true}, {L"Пол не \"ж\"", false},
        // Numbers by value.
        {L"Сумма = 1500,5", true}, {L"Сумма == 1500,5", false}, {L"Сумма >= 1500,50", true},
        {L"Сумма < 1 000", false}, {L"Ноль > -1", true},
        // Texts by containment, exactly with a doubled sign.
        {L"Город < \"новгород\"", true}, {L"Город << \"новгород\"", false}, {L"Город << \"Новгород\"", true},
        {L"\"нижний\" > Город", true}, {L"\"Нижний\" >> Город", true},
        // How a text begins: one of the words listed, any case, its point or not, a whole word.
        {L"\"г. Москва\" ^= \"г, город\"", true}, {L"\"Г.Москва\" ^= \"г.\"", true},
        {L"\"город Тула\" ^= \"г, город\"", true}, {L"\"Гатчина\" ^= \"г, город\"", false},
        {L"\"Санкт-Петербург.\" ^= \"г\"", false}, {L"\"Москва\" ^= \"г, город\"", false},
        {L"\"Посёлок Удельная\" ^= \"пос, поселок\"", true}, {L"\"ст-ца Вёшенская\" ^= \"с, ст-ца\"", true},
        {L"\"№12/26\" ^= \"№\"", true}, {L"\"No. 99\" ^= \"No.\"", true}, {L"\"Nordic 9\" ^= \"No\"", false},
        {L"\"the laws of  Germany\" ^= \"the laws of\"", true}, {L"Город ^= \"нижний\"", true},
        // The point is optional on both sides; a letter or a hyphen carries the
        // value's word on, as does a hyphen and a letter after its point.
        {L"\"г Москва\" ^= \"г.\"", true}, {L"\"Д. Ивановка\" ^= \"д\"", true},
        {L"\"С.-Петербург\" ^= \"с\"", false}, {L"\"С-Петербург\" ^= \"с.\"", false},
        {L"\"П.-Камчатский\" ^= \"п\"", false}, {L"\"Сочи\" ^= \"с\"", false},
        {L"\"NO-5\" ^= \"No\"", false}, {L"\"Nov-12\" ^= \"No\"", false}, {L"\"Nova\" ^= \"No\"", false},
        {L"\"No5\" ^= \"No\"", true}, {L"\"no 5\" ^= \"No\"", true}, {L"\"No.-8\" ^= \"No\"", true},
        {L"\"№-5\" ^= \"№\"", true},
        // "^==" in the letter case written: «Ст. Оскол» is a town.
        {L"\"ст. Каневская\" ^== \"ст\"", true}, {L"\"Ст. Оскол\" ^== \"ст\"", false},
        {L"\"Ст. Оскол\" ^= \"ст\"", true},
        // A listed ending lets one adjective stand before the words, in the part before a comma.
        {L"\"Московская обл., г. Балашиха\" ^= \"-ая, обл\"", true},
        {L"\"Ханты-Мансийский АО\" ^= \"-ий, ао\"", true}, {L"\"обл. Тверская\" ^= \"-ая, обл\"", true},
        {L"\"Балашиха, Московская обл.\" ^= \"-ая, обл\"", false},
        {L"\"Новая Москва\" ^= \"-ая, обл\"", false}, {L"\"ая обл\" ^= \"-ая, обл\"", false},
        {L"\"Красная Областная\" ^= \"-ая, обл\"", false}, {L"Город ^= \"-ий, новгород\"", true}});
}

TEST_F(Conditions, ConnectivesGroupToTheRightNegationCoversTheRestAndDeepNestingIsCapped) {
    // Left grouping would make the first true; templates rely on false.
    expect({{L"Нет И Да ИЛИ Да", false}, {L"Да ИЛИ Нет И Нет", true}, {L"Пол = м OR Да", true},
            {L"НЕ Да И Нет", true}, {L"Да И НЕ Нет", true},
            {L" !Нет", true},  // "{!" would open a verbatim block
            {L"(Нет И Да) ИЛИ Да", true}, {L"(Да ИЛИ Нет) И Нет", false}, {L"(Пол = ж) И (Сумма > 1)", true},
            // A dangling operator ends the chain; an empty condition is false.
            {L"Пол =", false}, {L"Да И", true}, {L"И", false}, {L"Пол ?? ж", false}, {L" ", false}});
    EXPECT_FALSE(test(L""));
    std::wstring chain;
    for (int i = 0; i < 50000; ++i) chain += L"НЕ ";
    EXPECT_NO_FATAL_FAILURE(test(L"{" + chain + L"Да}"));
    EXPECT_NO_FATAL_FAILURE(test(L"{" + std::wstring(50000, L'(') + L"Да" + std::wstring(50000, L')') + L"}"));
}

// The script reads the 0 of «(0)» as a name; a name that names nothing and
// starts with a digit is the number it spells.
TEST_F(Conditions, AParenthesisedNumberIsThatNumber) {
    expect({{L"(0)", false}, {L"(0) ИЛИ Нет", false}, {L"НЕ (0)", true}, {L"(5)", true}, {L"0", false},
            {L"(Ноль)", true}});  // a name: its text "0" is not blank
    expect_runs({{L"{ЕСЛИ (0) ТО \"x\" ИНАЧЕ \"y\"}", L"y"}, {L"{ЕСЛИ 0 ТО \"x\" ИНАЧЕ \"y\"}", L"y"},
                 {L"{ЕСЛИ (2) ТО \"x\" ИНАЧЕ \"y\"}", L"x"}, {L"{(5+3)}", L"8"}});
}

// A number field's text that is no single number is filled unless it says
// there is none (a term the clerk typed: «три месяца» once gave no clause)
// and never compares as a number: «-», «нет» and «10-15» were once larger
// than any sum, as was an empty field. A text that says none counts as 0
// against a number, as an empty field does (`Отказ != 0` once held), and as
// typed against a quoted text. A unit is no part of the number it follows,
// nor are the words before the same figures in brackets.
TEST_F(Conditions, ANumberFieldThatHoldsNoNumberIsFilledUnlessItMeansNoneAndIsNoNumberInAComparison) {
    constexpr std::uint16_t number_type = 3;
    view.language = 1;
    add_field(L"Срок", L"10-15").a = number_type;
    add_field(L"Кол", L"approx. 40").a = number_type;
    add_field(L"Цена", L"18 500,00 руб.").a = number_type;
    add_field(L"Аванс", L"30%").a = number_type;
    add_field(L"Прочерк", L"-").a = number_type;
    add_field(L"Отказ", L"нет").a = number_type;
    add_field(L"Пусто", L"").a = number_type;
    add_field(L"Рубли", L"150 000 ₽").a = number_type;
    add_field(L"Текст", L"10-15");
    add_field(L"Словами", L"три месяца").a = number_type;
    add_field(L"Words", L"six months").a = number_type;
    add_field(L"Тридцать", L"тридцать (30) дней").a = number_type;
    add_field(L"Thirty", L"Thirty (30) days").a = number_type;
    add_field(L"Разные", L"тридцать (31) дней").a = number_type;
    add_field(L"Без", L"Не установлена").a = number_type;
    add_field(L"None", L"N/A").a = number_type;
    // Terms and shares have their unit: a field without one counts money.
    field_named(L"Аванс").s4 = L"per cent";
    field_named(L"Тридцать").s4 = L"day";
    field_named(L"Thirty").s4 = L"day";
    field_named(L"Без").s4 = L"month";
    expect({{L"Срок", true}, {L"Кол", true}, {L"НЕ Срок", false}, {L"Срок = \"10-15\"", true},
            {L"Прочерк", false}, {L"Отказ", false},
            {L"Срок > 1000000", false}, {L"Прочерк > 1000000", false}, {L"Отказ > 1000000", false},
            {L"Пусто > 1000000", false}, {L"Рубли > 1000000", false}, {L"Срок < 1000000", false}, {L"Срок = 10", false},
            {L"Отказ = \"нет\"", true}, {L"Отказ = \"да\"", false}, {L"Отказ != 0", false},
            {L"Отказ = 0", true}, {L"Прочерк < 1", true}, {L"None >= 0", true}, {L"Отказ == \"нет\"", true},
            {L"Пусто = 0", true}, {L"Пусто < 5", true}, {L"Пусто", false},
            {L"Цена = 18500", true}, {L"Цена < 20000", true}, {L"Цена > 1000000", false},
            {L"Аванс = 30", true}, {L"Аванс", true},
            {L"Текст", true}, {L"Текст = \"10-15\"", true}, {L"Текст > 5", false}, {L"Сумма = 1500,5", true},
            {L"Словами", true}, {L"Words", true}, {L"Словами > 0", false}, {L"Тридцать = 30", true},
            {L"Thirty = 30", true}, {L"Разные", true}, {L"Разные = 30", false}, {L"Разные = 31", false},
            {L"Без", false}, {L"None", false}, {L"None = \"n/a\"", true}});
}

TEST_F(Conditions, DatesCompareByDay) {
    view.language = 1;
    add_fields({{L"Начало", L"05.01.2024"}, {L"Конец", L"06.01.2024"}, {L"Тоже", L"05.01.2024"}});
    expect({{L"Начало < Конец", true}, {L"Начало < Тоже", false}, {L"Начало <= Тоже", true},
            {L"Начало >= Тоже", true}, {L"Конец >> Начало", true}, {L"Начало = Тоже", true},
            {L"Начало = Конец", false}, {L"Начало < Пол", false}});
}
// clang-format on
