#include "engine/fields/number_value.h"

#include <tuple>

#include "engine/fields/number_grouping.h"
#include "engine/fields/number_reading.h"
#include "engine/fields/number_tail_words.h"
#include "engine/fields/single_number.h"
#include "fields_test_support.h"

using namespace engine;
using NumberReading = engine::testing::language_test;

TEST_F(NumberReading, BothTypingsGiveTheSameNumberAndSeparatorsFollowTheirRulesInOrder) {
    for (int in_language : {0, 1}) {
        language = in_language;
        for (const wchar_t* text : {L"1 234,56", L"1,234.56", L"1.234,56", L"1234.56"}) {
            number_value n = number(text);
            EXPECT_EQ(n.integer_part + L"|" + n.fraction_part, L"1234|56") << language;
            EXPECT_DOUBLE_EQ(n.value, 1234.56);
        }
    }
    EXPECT_EQ(clean(L"1,500"), L"1.500");
    EXPECT_EQ(clean(L"1 000 000"), L"1000000");
    english();
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"1,000,000", L"1000000"}, {L"1,500", L"1500"}, {L"1,5", L"1.5"}, {L"1,5000", L"1.5000"},
        {L"1.234.567,8", L"1234567.8"}, {L"$12,50", L"12.50"}};
    // clang-format on
    for (auto [text, expected] : cases) EXPECT_EQ(clean(text), expected) << text;
}

TEST_F(NumberReading, TheSignIsKeptNoDigitsIsEmptyAndMoneyPartsAreCut) {
    EXPECT_DOUBLE_EQ(number(L"-5").value, -5.0);
    for (auto [text, negative] :
         {std::pair{L"\u22122.5", true}, {L"$-12", true}, {L"5-3", false}, {L"-0.00", false}})
        EXPECT_EQ(number(text).negative, negative) << text;
    number_value none = number(L"n/a");
    EXPECT_TRUE(none.integer_part.empty() && none.money_integer.empty());
    EXPECT_EQ(none.value, 0.0);
    russian();
    EXPECT_EQ(number(L"1,999").money_hundredths, L"99");
    // A Russian point before three digits groups thousands (English 1.999 is
    // the cut one).
    EXPECT_EQ(number(L"1.999").digits, L"1999");
    EXPECT_EQ(number(L"0,29").money_hundredths, L"29");
    number_value padded = number(L"007.50");
    EXPECT_EQ(padded.integer_part + L"|" + padded.money_integer, L"007|7");
    number_value dangling = number(L"1234.");
    EXPECT_TRUE(dangling.has_separator);
    EXPECT_EQ(dangling.money_hundredths, L"00");
    EXPECT_EQ(number(L",5").money_integer, L"0");
}

TEST_F(NumberReading, EnglishGroupsWithCommasRussianWithThinSpacesInANoWrapSpan) {
    const std::wstring nowrap = L"<span style=\"white-space:nowrap\">";
    // clang-format off
    const std::tuple<int, const wchar_t*, std::wstring> cases[] = {
        {0, L"1234567.891", L"1,234,567.89"}, {0, L"999", L"999.00"}, {0, L"-1000", L"-1,000.00"},
        {0, L"007000", L"007,000.00"}, {1, L"1234567.5", nowrap + L"1&thinsp;234&thinsp;567,50</span>"},
        {1, L"-5", nowrap + L"-5,00</span>"}};
    // clang-format on
    for (const auto& [in_language, text, expected] : cases) {
        language = in_language;
        EXPECT_EQ(group_digits_html(number(text)), expected) << text;
    }
}

// A unit's point once read as the decimal separator: «18 500,00 руб.» was
// 1 850 000,00 and «28 дн.» had a fraction.
TEST_F(NumberReading, AUnitAfterTheNumberIsNoPartOfIt) {
    // clang-format off
    const std::tuple<int, const wchar_t*, const wchar_t*> cases[] = {
        {1, L"18 500,00 руб.", L"18500.00"}, {1, L"65 000,00 р.", L"65000.00"}, {1, L"3 500,00 РУБ", L"3500.00"},
        {1, L"28 дн.", L"28"}, {1, L"3 мес", L"3"}, {1, L"1,5%", L"1.5"}, {1, L"10 шт.", L"10"}, {1, L"50 Коп", L"0.50"},
        {1, L"100 rub.", L"100"}, {1, L"7$", L"7"}, {1, L"7 €", L"7"}, {1, L"12,5 EUR", L"12.5"}, {1, L"5 р", L"5"},
        {0, L"1,250.50 USD", L"1250.50"}, {0, L"1,500 usd", L"1500"},
        // Words, kopecks and multipliers: «50 коп.» was fifty roubles, «15
        // тыс. руб.» 15,00 and «150.000» 150,00.
        {1, L"150 000 (сто пятьдесят тысяч) рублей", L"150000"}, {0, L"USD 45", L"45"},
        {1, L"1 500 руб. 50 коп.", L"1500.50"}, {1, L"150 000,00 (сто пятьдесят тысяч) рублей 00 копеек", L"150000.00"},
        {1, L"5 коп.", L"0.05"}, {0, L"50 cents", L"0.50"}, {1, L"15 тыс. руб.", L"15000"}, {1, L"1,5 млн руб.", L"1500000"},
        {0, L"$2.25 million", L"2250000"}, {1, L"0,5 тыс.", L"500"}, {1, L"150.000", L"150000"}, {1, L"0.750", L"0.750"},
        {1, L"1234.567", L"1234.567"},
        // Without a unit, as before.
        {1, L"18 500,00", L"18500.00"}, {0, L"$12,5", L"12.5"}, {1, L"1 000 000", L"1000000"}, {0, L"150.000", L"150.000"}};
    // clang-format on
    for (const auto& [in_language, text, digits] : cases) {
        language = in_language;
        EXPECT_EQ(number(text).digits, digits) << text;
    }
}

TEST(NumberReadingSingleNumber,
     ASignDigitsInGroupsOfThreeOneSeparatorAndWordsOfMoneyTimeOrQuantity) {
    // clang-format off
    for (const wchar_t* text :
         {L"1 000 000", L"1\u00A0000\u202F000", L"1.000.000", L"1,000,000.50", L"1.000,5", L"0,5",
          L"-5", L"\u22125", L"+3", L"$12,5", L"- 5", L"1234.", L",5", L"18 500,00 руб.", L"30%",
          L"3 мес.", L"USD 45", L"RUB 1 234,56", L"150 000 \u20BD", L"150 000 рублей", L"150 000 RUR",
          L"150 000,-", L"65 000 руб./мес.", L"65 000 рублей в месяц", L"28 календарных дней",
          L"12 % годовых", L"30 процентов", L"10 штук", L"6 months", L"90 calendar days",
          L"3 (три) месяца", L"21 (двадцать один) день", L"6 (six) months", L"1 500 руб. 50 коп.",
          L"5 тыс. руб.", L"5 рублей", L"50 коп.", L"100 dollars per month", L"30 per cent",
          L"thirty (30) days", L"тридцать (30) дней", L"две (2) недели", L"one thousand five hundred (1,500) dollars"})
        EXPECT_TRUE(single_number_length(text)) << text;
    for (const wchar_t* text :
         {L"10-15", L"10-12", L"1/3", L"5.5.5", L"approx. 40", L"5/0", L"12 34", L"1 2345",
          L"1,000,5", L"1.000.", L"№ 5", L"(5)", L"", L"1e9", L"НДС 20%", L"\u2248100", L"Net 30",
          L"USD USD 45", L"3-6 месяцев", L"5 или более", L"не менее 5", L"от 5 до 10",
          L"30 days or more", L"150 000 (не менее) рублей", L"150 000,00 руб., в т.ч. НДС 20%",
          L"150 000 руб. 50", L"150 000,50 руб. 00 коп.", L"150 коп.", L"15 руб. тыс.", L"5 руб./",
          L"50 коп. 30 коп.", L"5 (пять", L"thirty (31) days", L"тридцать (30 дней)", L"три месяца",
          L"тридцать (30) тыс. руб.", L"срок (30) дней", L"thirty (30) days or more"})
        EXPECT_FALSE(single_number_length(text)) << text;
    // clang-format on
    EXPECT_EQ(single_number_length(L"-18 500,00 руб."), 10u);
    EXPECT_EQ(single_number_length(L"15 тыс. руб."), 2u);
    // Other fields take one short unit: «5 дней» there is a phrase.
    for (auto [text, number] : {std::pair{L"28 дн.", true},
                                {L"3 мес.", true},
                                {L"5 дней", false},
                                {L"USD 45", false},
                                {L"5 тыс. руб.", false},
                                {L"1 2345", false}})
        EXPECT_EQ(is_number_with_short_unit(text), number) << text;
}

TEST(NumberReadingSingleNumber, FiguresAsTypedLeaveWhatFollowsAndCarryOutMultipliersAndKopecks) {
    constexpr int english = 0, russian = 1;
    // clang-format off
    const std::tuple<int, const wchar_t*, const wchar_t*> cases[] = {
        {russian, L"3 мес.", L"3"}, {russian, L"150 000,-", L"150 000"}, {russian, L"$12,5", L"$12,5"},
        {russian, L"28 календарных дней", L"28"}, {russian, L"15 тыс. руб.", L"15 000"},
        {russian, L"1,5 млн руб.", L"1 500 000"}, {russian, L"-1.250 тыс.", L"-1.250.000"},
        {english, L"$1.5 million", L"$1,500,000"}, {russian, L"1 500 руб. 50 коп.", L"1 500,50"},
        {russian, L"50 коп.", L"0,50"}, {russian, L"150 000,00 рублей 00 копеек", L"150 000,00"},
        {russian, L"10-15", L""}, {russian, L"тридцать (30) дней", L"30"},
        {english, L"one thousand five hundred (1,500) dollars", L"1,500"},
        // Read in the document's language: a Russian 1.250 is a thousand.
        {russian, L"1.250 thousand", L"1.250.000"}, {english, L"1.250 thousand", L"1,250"}};
    // clang-format on
    for (auto [language, text, figures] : cases)
        EXPECT_EQ(figures_as_typed(text, language), figures) << text;
}

// A term read in any unit of time once signed the wrong contract: «14 дней»
// as 14 months of probation, "18 months" as 18 years, «2 000 долларов» as
// roubles, "€65.000" as 65 euros, «15-го» and «-10» per cent of advance.
// The field's own unit and currency read as before; a field without a unit
// reads as before but for the currency.
TEST(NumberReadingInItsUnit, AnotherUnitOrCurrencyOrANegativeTermIsNoNumberThere) {
    using enum number_unit;
    using enum no_number_reason;
    constexpr std::uint32_t roubles = currency_mark::rouble, dollars = currency_mark::us_dollar,
                            euros = currency_mark::euro;
    struct row {
        int language;
        number_unit unit;
        std::uint32_t currency;
        const wchar_t* text;
        no_number_reason why;
        const wchar_t* digits = L"";
    };
    // clang-format off
    const row rows[] = {
        {1, month, roubles, L"14 дней", other_unit}, {1, month, roubles, L"2 недели", other_unit},
        {1, month, roubles, L"1 год", other_unit}, {1, day, roubles, L"2 недели", other_unit},
        {1, calendar_day, roubles, L"2 (два) месяца", other_unit}, {1, calendar_day, roubles, L"4 недели", other_unit},
        {1, calendar_day, roubles, L"15 рабочих дней", other_unit}, {1, calendar_day, roubles, L"15 раб. дн.", other_unit},
        {1, day, roubles, L"15 рабочих дней", other_unit}, {1, banking_day, roubles, L"10 календарных дней", other_unit},
        {1, banking_day, roubles, L"10 кал. дн.", other_unit}, {1, month, roubles, L"3 рубля", other_unit},
        {0, year, dollars, L"18 months", other_unit}, {0, month, dollars, L"90 days", other_unit},
        {0, day, dollars, L"2 weeks", other_unit}, {0, month, dollars, L"1 year", other_unit},
        {1, unknown, roubles, L"2 000 долларов", other_currency}, {1, unknown, roubles, L"1 500 евро", other_currency},
        {1, unknown, roubles, L"$12,5", other_currency}, {1, unknown, roubles, L"45 USD", other_currency},
        {1, unknown, roubles, L"100 тенге", other_currency}, {0, unknown, euros, L"150 000 ₽", other_currency},
        {0, unknown, dollars, L"RUB 45", other_currency}, {0, unknown, euros, L"$45", other_currency},
        {1, per_cent, roubles, L"-10", negative}, {1, month, roubles, L"-3 месяца", negative},
        {1, day_of_month, roubles, L"-5", negative},
        // The day of the month with its ending, and money grouped by a point.
        {1, day_of_month, roubles, L"15-го", none, L"15"}, {1, day_of_month, roubles, L"15-е", none, L"15"},
        {1, day_of_month, roubles, L"15го", none, L"15"}, {1, day_of_month, roubles, L"15 числа", none, L"15"},
        {1, day_of_month, roubles, L"5-го числа", none, L"5"}, {1, day_of_month, roubles, L"25", none, L"25"},
        {1, day_of_month, roubles, L"15-", not_a_number}, {1, day_of_month, roubles, L"15 дней", other_unit},
        {1, unknown, roubles, L"15-го", not_a_number},
        {0, unknown, euros, L"€65.000", none, L"65000"}, {0, unknown, dollars, L"$1.250", none, L"1250"},
        {0, unknown, dollars, L"$0.750", none, L"0.750"}, {0, unknown, dollars, L"65.000", not_a_number},
        // An English point before three figures ending in 0 reads two ways
        // but with a currency or a second point: once $18.50 and "one point
        // two zero zero" units.
        {0, money, dollars, L"18.500", not_a_number}, {0, piece, dollars, L"1.200", not_a_number},
        {0, money, dollars, L"$18.500", none, L"18500"}, {0, money, dollars, L"18.500 USD", none, L"18500"},
        {0, money, dollars, L"1.250.000", none, L"1250000"}, {0, money, dollars, L"0.125", none, L"0.125"},
        {0, money, dollars, L"3.499", none, L"3.499"}, {1, money, roubles, L"18.500", none, L"18500"},
        // Words with their figures in brackets are read in the unit too.
        {0, day, dollars, L"thirty (30) days", none, L"30"}, {0, day, dollars, L"Twenty-one (21) days", none, L"21"},
        {0, month, dollars, L"thirty (30) days", other_unit},
        // Kopecks and weeks that no other row reads.
        {1, unknown, roubles, L"100 руб. 5 коп.", none, L"100.05"},
        {1, unknown, roubles, L"1 500 рублей 7 копеек", none, L"1500.07"},
        {1, week, roubles, L"5 недель", none, L"5"}, {1, day, roubles, L"5 недель", other_unit},
        // Neighbours that read as before.
        {1, month, roubles, L"3 месяца", none, L"3"}, {1, month, roubles, L"3 мес.", none, L"3"},
        {0, month, dollars, L"6 months", none, L"6"}, {1, calendar_day, roubles, L"28 календарных дней", none, L"28"},
        {1, calendar_day, roubles, L"28 дней", none, L"28"}, {1, calendar_day, roubles, L"28 кал. дн.", none, L"28"},
        {1, banking_day, roubles, L"10 дней", none, L"10"}, {1, banking_day, roubles, L"10 банк. дн.", none, L"10"},
        {0, banking_day, dollars, L"5 business days", none, L"5"}, {1, day, roubles, L"10 календарных дней", none, L"10"},
        {1, per_cent, roubles, L"30 %", none, L"30"}, {1, per_cent, roubles, L"12 % годовых", none, L"12"},
        {1, piece, roubles, L"10 шт.", none, L"10"}, {1, unknown, roubles, L"150 000 ₽", none, L"150000"},
        {1, unknown, roubles, L"65 000 руб./мес.", none, L"65000"}, {0, unknown, dollars, L"USD 45", none, L"45"},
        {0, unknown, currency_mark::australian_dollar, L"$45", none, L"45"}, {0, unknown, 0, L"45 euros", none, L"45"},
        {1, unknown, roubles, L"-5", none, L"5"},
        {1, unknown, roubles, L"10-15", not_a_number}, {1, month, roubles, L"10-15", not_a_number},
        {1, unknown, roubles, L"", not_a_number}, {1, unknown, roubles, L"нет", says_none},
        {0, unknown, dollars, L"N/A", says_none}, {1, month, roubles, L" — ", says_none},
        {1, unknown, roubles, L"28 кал. дн.", not_a_number}, {0, unknown, 0, L"100 тенге", not_a_number},
        // Each unit's own words as clerks write them.
        {1, day, roubles, L"7 д.", none, L"7"}, {1, day, roubles, L"7 сут.", none, L"7"}, {0, day, dollars, L"30 d", none, L"30"},
        {1, calendar_day, roubles, L"28 к.д.", none, L"28"}, {1, calendar_day, roubles, L"28 К. Д.", none, L"28"},
        {1, calendar_day, roubles, L"28 к/д", none, L"28"}, {1, calendar_day, roubles, L"28 кд", none, L"28"},
        {1, calendar_day, roubles, L"28 календ. дней", none, L"28"}, {0, calendar_day, dollars, L"28 cal. days", none, L"28"},
        {1, working_day, roubles, L"10 дней", none, L"10"}, {1, working_day, roubles, L"5 р.д.", none, L"5"},
        {1, working_day, roubles, L"5 р/д", none, L"5"}, {1, working_day, roubles, L"5 рд", none, L"5"},
        {1, working_day, roubles, L"5 раб. дн.", none, L"5"}, {1, working_day, roubles, L"10 рабочих дней", none, L"10"},
        {0, working_day, dollars, L"5 work days", none, L"5"}, {0, working_day, dollars, L"5 business days", none, L"5"},
        {1, banking_day, roubles, L"5 б.д.", none, L"5"}, {1, banking_day, roubles, L"5 б/д", none, L"5"},
        {1, banking_day, roubles, L"5 бд", none, L"5"}, {0, banking_day, dollars, L"3 bank days", none, L"3"},
        {1, week, roubles, L"2 нед.", none, L"2"}, {0, week, dollars, L"2 wks", none, L"2"}, {0, week, dollars, L"1 wk", none, L"1"},
        {1, month, roubles, L"3 календарных месяца", none, L"3"}, {1, month, roubles, L"3-х месяцев", none, L"3"},
        {0, month, dollars, L"12 calendar months", none, L"12"}, {0, month, dollars, L"12 mos", none, L"12"},
        {0, month, dollars, L"6 mths", none, L"6"}, {0, month, dollars, L"3 mo.", none, L"3"},
        {0, month, dollars, L"12-month", none, L"12"}, {0, month, dollars, L"for 6 months", none, L"6"},
        {1, year, roubles, L"1 г.", none, L"1"}, {1, year, roubles, L"5 л.", none, L"5"}, {0, year, dollars, L"3 yrs", none, L"3"},
        {0, year, dollars, L"1 y", none, L"1"}, {0, year, dollars, L"3-year", none, L"3"},
        {1, hour, roubles, L"40 ч.", none, L"40"}, {0, hour, dollars, L"24 hrs", none, L"24"}, {0, hour, dollars, L"8 h", none, L"8"},
        {1, per_cent, roubles, L"30 проц.", none, L"30"}, {0, per_cent, dollars, L"30 pct", none, L"30"},
        {0, per_cent, dollars, L"30 per cent", none, L"30"},
        {0, piece, dollars, L"250 pcs", none, L"250"}, {0, piece, dollars, L"1 pc.", none, L"1"}, {0, piece, dollars, L"10 ea", none, L"10"},
        {1, piece, roubles, L"10 штук", none, L"10"}, {1, piece, roubles, L"10 ед.", none, L"10"},
        // Words before the figures, only in a field of time or of a day of the month.
        {1, day, roubles, L"в течение 7 дней", none, L"7"}, {1, day, roubles, L"сроком на 7 дней", none, L"7"},
        {1, day, roubles, L"7-ми дней", none, L"7"}, {0, day, dollars, L"Net 30", none, L"30"},
        {0, day, dollars, L"within 30 days", none, L"30"}, {0, day, dollars, L"45-day", none, L"45"},
        {1, day_of_month, roubles, L"не позднее 10-го числа", none, L"10"}, {1, day_of_month, roubles, L"10 числа каждого месяца", none, L"10"},
        {0, day_of_month, dollars, L"15th", none, L"15"}, {0, day_of_month, dollars, L"1st of the month", none, L"1"},
        {1, unknown, roubles, L"в течение 7 дней", not_a_number}, {0, unknown, dollars, L"Net 30", not_a_number},
        // "Net" names days: once "secret for 30 (thirty) years".
        {0, year, dollars, L"Net 30", not_a_number}, {0, month, dollars, L"Net 30", not_a_number},
        {0, hour, dollars, L"Net 30", not_a_number}, {0, calendar_day, dollars, L"net 30 days", none, L"30"},
        // A notice in its own unit.
        {0, day, dollars, L"30 days' notice", none, L"30"}, {0, day, dollars, L"30 days&apos; notice", none, L"30"}, {0, day, dollars, L"30 days notice", none, L"30"},
        {0, day, dollars, L"3 months' notice", other_unit}, {0, month, dollars, L"3 months’ notice", none, L"3"},
        // A day of the month as clerks write it; a term of days takes none of it.
        {1, day_of_month, roubles, L"до 10 числа", none, L"10"}, {1, day_of_month, roubles, L"до 10-го", none, L"10"},
        {1, day_of_month, roubles, L"10 числа следующего месяца", none, L"10"},
        {1, day_of_month, roubles, L"ежемесячно 10 числа", none, L"10"}, {1, day_of_month, roubles, L"каждого 10 числа", none, L"10"},
        {1, day_of_month, roubles, L"ежемесячно до 10-го числа текущего месяца", none, L"10"},
        {0, day_of_month, dollars, L"the 10th", none, L"10"}, {0, day_of_month, dollars, L"on the 10th", none, L"10"},
        {0, day_of_month, dollars, L"by the 10th", none, L"10"}, {0, day_of_month, dollars, L"no later than the 10th", none, L"10"},
        {0, day_of_month, dollars, L"10th day of the month", none, L"10"},
        {0, day, dollars, L"by the 10th", not_a_number}, {1, day_of_month, roubles, L"5-го и 20-го", not_a_number},
        {1, month, roubles, L"не позднее 10", not_a_number}, {1, day, roubles, L"10-го", not_a_number},
        {1, day, roubles, L"5-ти", not_a_number}, {1, day, roubles, L"5-ти рублей", not_a_number},
        // Another unit's stem stays another unit; "m" is months or minutes.
        {1, day, roubles, L"1 г.", other_unit}, {0, year, dollars, L"12 mos", other_unit},
        {1, calendar_day, roubles, L"5 б.д.", other_unit}, {1, month, roubles, L"28 календарных", other_unit},
        {1, day, roubles, L"2 недели", other_unit}, {0, month, dollars, L"3 m", not_a_number}, {1, day, roubles, L"10-15", not_a_number},
        // Money counts no time or quantity but in a rate; a field that names
        // no unit and is no money reads any unit, as it always has.
        {1, money, roubles, L"3 месяца", not_a_number}, {1, printed_money, roubles, L"14 дней", not_a_number},
        {1, printed_money, roubles, L"65 000 рублей в месяц", none, L"65000"}, {0, other, dollars, L"2 weeks", none, L"2"},
        {1, unknown, roubles, L"3 месяца", none, L"3"}, {1, unknown, roubles, L"28 календарных дней", none, L"28"},
        {1, unknown, roubles, L"30%", none, L"30"}, {1, unknown, roubles, L"10 шт.", none, L"10"},
        {1, unknown, roubles, L"2 недели", none, L"2"}, {1, unknown, roubles, L"1 год", none, L"1"}, {0, unknown, dollars, L"100 units", none, L"100"},
        {0, unknown, dollars, L"6 months", none, L"6"}, {1, unknown, roubles, L"15% годовых", none, L"15"},
        // A rate's period is the field's own, when it names one.
        {0, money_per_year, dollars, L"$25 per hour", other_period}, {0, money_per_year, dollars, L"$1,250 per month", other_period},
        {1, money_per_month, roubles, L"500 руб. в час", other_period}, {1, money_per_month, roubles, L"3000 руб. в день", other_period},
        {0, money_per_hour, euros, L"€700 per day", other_period}, {0, money_per_year, dollars, L"$1,250/month", other_period},
        {1, money_per_month, roubles, L"700 р/день", other_period}, {1, money_per_day, roubles, L"700 р/день", none, L"700"},
        {1, money_per_day, roubles, L"2000 р/дн.", none, L"2000"}, {1, money_per_day, roubles, L"700 руб./дн.", none, L"700"},
        {0, money_per_year, dollars, L"$60,000 a year", none, L"60000"}, {0, money_per_month, dollars, L"$1,250/month", none, L"1250"},
        {1, money_per_month, roubles, L"86 500 руб. в месяц", none, L"86500"}, {1, money_per_month, roubles, L"86 500 руб./мес.", none, L"86500"},
        {1, printed_money, roubles, L"700 р/день", none, L"700"}, {1, money, roubles, L"65 000 руб./мес.", not_a_number},
        {0, money, dollars, L"$1,250/month", not_a_number}, {0, money, dollars, L"$1,250.00 per unit", none, L"1250.00"}, {0, printed_money, dollars, L"$1,250/month", none, L"1250"}, {1, money_per_month, roubles, L"86 500", none, L"86500"},
        // Zero in words is 0.
        {1, month, roubles, L"ноль", none, L"0"}, {0, money, dollars, L"Zero.", none, L"0"},
        // Money as clerks write it.
        {0, unknown, dollars, L"US$1,250", none, L"1250"}, {0, unknown, dollars, L"1,250 US dollars", none, L"1250"},
        {0, unknown, dollars, L"1,250 U.S. dollars", none, L"1250"}, {0, unknown, euros, L"US$45", other_currency},
        {1, unknown, roubles, L"86 500-50", none, L"86500.50"}, {1, unknown, roubles, L"1 500-00 руб.", none, L"1500.00"},
        {0, unknown, dollars, L"1,500-00", not_a_number}, {1, unknown, roubles, L"62к", not_a_number},
        {1, unknown, roubles, L"50 к.", not_a_number}, {1, day, roubles, L"100-00", not_a_number},
        // A day of the month from 1 to 31.
        {1, day_of_month, roubles, L"35", day_out_of_range}, {1, day_of_month, roubles, L"0", day_out_of_range},
        {1, day_of_month, roubles, L"35-го", day_out_of_range}, {1, day_of_month, roubles, L"31", none, L"31"},
        {1, day_of_month, roubles, L"15,5", day_out_of_range}, {0, day_of_month, dollars, L"31.9", day_out_of_range},
        {1, day_of_month, roubles, L"1", none, L"1"},
    };
    // clang-format on
    for (const row& r : rows) {
        const number_reading reading = read_number_field(r.text, r.language, r.unit, r.currency);
        EXPECT_EQ(reading.why, r.why) << r.text;
        EXPECT_EQ(reading.number ? reading.number->digits : L"", r.digits) << r.text;
    }
    EXPECT_EQ(number_unit_named(L" Calendar Day "), calendar_day);
    EXPECT_EQ(number_unit_named(L"fortnight"), other);
    EXPECT_EQ(number_unit_named(L" "), unknown);
}

// A closed list of phrases once turned «без испытательного срока» and "no
// travel" into a term with gaps; then a none word read only first, a
// providing word only from a list, and «без» or "no" before any word
// («без НДС», "no limit") emptied a clause or a total. A text says none when,
// without brackets, punctuation and the field's own thing, only denials and
// words of absence are left; anything else left over is no none.
TEST(NumberReadingInItsUnit, ATextSaysNoneWhenOnlyDenialsAndTheFieldsOwnThingAreLeft) {
    using enum number_unit;
    using enum no_number_reason;
    struct row {
        number_unit unit;
        field_naming naming;
        const wchar_t* text;
        no_number_reason why;
    };
    const field_naming probation{L"Испытание",
                                 L"Испытательный срок, месяцев (пусто — без испытания)"};
    const field_naming advance{L"Аванс", L"Аванс, процентов"}, salary{L"Оклад", L"Оклад, руб."};
    const field_naming materials{L"Материалы", L"Стоимость материалов, руб."};
    const field_naming travel{L"Travel", L"Travel cost (leave empty for none)"};
    const field_naming years{L"Years", L"Years of confidentiality"};
    // clang-format off
    const row rows[] = {
        // A denial first, second or last, with the field's own thing, a cited article.
        {month, probation, L"нет", says_none}, {month, probation, L"испытания нет", says_none},
        {month, probation, L"не предусматривается", says_none}, {month, probation, L"не положен", says_none},
        {month, probation, L"не нужен", says_none}, {month, probation, L"не имеется", says_none},
        {month, probation, L"нету", says_none}, {month, probation, L"не подлежит", says_none},
        {month, probation, L"без испытательного срока (ст. 70 ТК РФ)", says_none},
        {month, probation, L"не устанавливается (ст. 70 ТК РФ)", says_none},
        {month, probation, L"испытательный срок не устанавливается", says_none},
        {month, probation, L"Нет!", says_none}, {month, probation, L"(Нет)", says_none}, {month, probation, L"«нет»", says_none},
        {month, probation, L"-", says_none}, {month, probation, L" – ", says_none}, {month, probation, L"н/д", says_none},
        {month, years, L"no probation", not_a_number}, {month, {L"Probation months", L""}, L"without probation", says_none},
        {per_cent, advance, L"аванса нет", says_none}, {per_cent, advance, L"не выплачивается", says_none},
        {per_cent, advance, L"не будет", says_none}, {per_cent, advance, L"без предоплаты", says_none},
        {per_cent, advance, L"не предусматривается", says_none}, {money, materials, L"не требуются", says_none},
        {money, materials, L"не предусмотрены", says_none},
        {per_cent, advance, L"аванс не предусмотрен", says_none}, {money_per_month, salary, L"не предусмотрен", says_none},
        {money, salary, L"не установлен", says_none}, {money, salary, L"не устанавливается", says_none},
        {money, materials, L"отсутствуют", says_none}, {money, materials, L"нет материалов", says_none},
        {money, materials, L"материалы не требуются", says_none}, {money, materials, L"не использовались", says_none},
        {money, materials, L"бесплатно", says_none}, {money, materials, L"без материалов", says_none},
        {money, travel, L"N/A", says_none}, {money, travel, L"NA", says_none}, {money, travel, L"N.A.", says_none},
        {money, travel, L"n.a.", says_none}, {money, travel, L"none", says_none}, {money, travel, L"no travel", says_none},
        {money, travel, L"not required", says_none}, {money, travel, L"not provided", says_none},
        {money, travel, L"waived", says_none}, {money, travel, L"free of charge", says_none}, {year, years, L"none", says_none},
        // A bound, a limit, a qualifier of a price, a word of not yet knowing,
        // any other word: left over.
        {month, probation, L"не более трёх месяцев", not_a_number}, {month, probation, L"не больше месяца", not_a_number},
        {month, probation, L"до трёх месяцев", not_a_number}, {month, probation, L"по соглашению сторон", not_a_number},
        {month, probation, L"на усмотрение работодателя", not_a_number}, {month, probation, L"без ограничения", not_a_number},
        {month, probation, L"без ограничения срока", not_a_number}, {month, probation, L"нет ограничений", not_a_number},
        {month, probation, L"не свыше месяца", not_a_number},
        {month, probation, L"не установлен законом", not_a_number}, {month, probation, L"три месяца", not_a_number},
        {month, probation, L"нет, пока не определён", not_a_number}, {month, probation, L"требуется", not_a_number},
        {per_cent, advance, L"по факту", not_a_number}, {money_per_month, salary, L"не ниже МРОТ", not_a_number},
        {money_per_month, salary, L"по штатному расписанию", not_a_number}, {money, salary, L"без НДС", not_a_number},
        {money, materials, L"без НДС", not_a_number}, {money, materials, L"по смете, без НДС", not_a_number},
        {money, materials, L"без наценки", not_a_number}, {money, materials, L"без чеков", not_a_number},
        {money, materials, L"не посчитаны", not_a_number}, {money, materials, L"НДС не облагается", not_a_number},
        {money, materials, L"материалы заказчика", not_a_number}, {unknown, materials, L"бесплатно", not_a_number},
        {money, travel, L"no markup", not_a_number}, {money, travel, L"no receipts", not_a_number},
        {money, travel, L"at cost, no cap", not_a_number}, {money, travel, L"not yet known", not_a_number},
        {money, travel, L"not available", not_a_number}, {money, travel, L"tax free", not_a_number},
        {money, travel, L"none, see Annex B", not_a_number}, {money, travel, L"none until agreed", not_a_number},
        {year, years, L"without limit", not_a_number}, {year, years, L"no limit", not_a_number},
        {year, years, L"no expiry", not_a_number}, {money, travel, L"materials", not_a_number},
        {month, probation, L"?", not_a_number}, {month, probation, L"", not_a_number},
    };
    // clang-format on
    for (const row& r : rows) {
        const int language = r.text[0] >= 0x400 ? 1 : 0;
        EXPECT_EQ(read_number_field(r.text, language, r.unit, currency_mark::rouble, r.naming).why,
                  r.why)
            << r.text;
    }
}
