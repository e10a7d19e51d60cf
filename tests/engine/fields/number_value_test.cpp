#include "engine/fields/number_value.h"

#include "engine/fields/number_grouping.h"
#include "fields_test_support.h"

namespace engine {
namespace {

class NumberReading : public testing::language_test {};

TEST_F(NumberReading, BothTypingsGiveTheSameNumber) {
    for (int language : {0, 1}) {
        current_language = language;
        for (const wchar_t* text : {L"1 234,56", L"1,234.56", L"1.234,56", L"1234.56"}) {
            number_value n(nullptr, text);
            EXPECT_EQ(n.integer_part, L"1234") << language;
            EXPECT_EQ(n.fraction_part, L"56");
            EXPECT_DOUBLE_EQ(n.value, 1234.56);
        }
    }
}

TEST_F(NumberReading, SeparatorsFollowTheirRulesInOrder) {
    english();
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"1,000,000", L"1000000"}, {L"1,500", L"1500"},           {L"1,5", L"1.5"},
        {L"1,5000", L"1.5000"},     {L"1.234.567,8", L"1234567.8"}, {L"$12,50", L"12.50"}};
    for (auto [text, expected] : cases) EXPECT_EQ(clean_number_text(text), expected) << text;
    russian();
    EXPECT_EQ(clean_number_text(L"1,500"), L"1.500");
    EXPECT_EQ(clean_number_text(L"1 000 000"), L"1000000");
}

TEST_F(NumberReading, MoneyPartsAreCutNotRounded) {
    russian();
    EXPECT_EQ(number_value(nullptr, L"1.999").money_hundredths, L"99");
    EXPECT_EQ(number_value(nullptr, L"0,29").money_hundredths, L"29");
    number_value padded(nullptr, L"007.50");
    EXPECT_EQ(padded.integer_part, L"007");
    EXPECT_EQ(padded.money_integer, L"7");
    number_value dangling(nullptr, L"1234.");
    EXPECT_TRUE(dangling.has_separator);
    EXPECT_EQ(dangling.money_hundredths, L"00");
    EXPECT_EQ(number_value(nullptr, L",5").money_integer, L"0");
}

TEST_F(NumberReading, TheSignBeforeTheFirstDigitIsKeptAndTextWithoutDigitsIsEmpty) {
    english();
    EXPECT_DOUBLE_EQ(number_value(nullptr, L"-5").value, -5.0);
    EXPECT_TRUE(number_value(nullptr, L"\u22122.5").negative);
    EXPECT_TRUE(number_value(nullptr, L"$-12").negative);
    EXPECT_FALSE(number_value(nullptr, L"5-3").negative);
    EXPECT_FALSE(number_value(nullptr, L"-0.00").negative);
    number_value none(nullptr, L"n/a");
    EXPECT_TRUE(none.integer_part.empty() && none.money_integer.empty());
    EXPECT_EQ(none.value, 0.0);
}

TEST_F(NumberReading, EnglishGroupsWithCommasRussianWithThinSpacesInANoWrapSpan) {
    english();
    EXPECT_EQ(group_digits_html(number_value(nullptr, L"1234567.891")), L"1,234,567.89");
    EXPECT_EQ(group_digits_html(number_value(nullptr, L"999")), L"999.00");
    EXPECT_EQ(group_digits_html(number_value(nullptr, L"-1000")), L"-1,000.00");
    EXPECT_EQ(group_digits_html(number_value(nullptr, L"007000")), L"007,000.00");
    russian();
    EXPECT_EQ(group_digits_html(number_value(nullptr, L"1234567.5")),
              L"<span style=\"white-space:nowrap\">1&thinsp;234&thinsp;567,50</span>");
    EXPECT_EQ(group_digits_html(number_value(nullptr, L"-5")),
              L"<span style=\"white-space:nowrap\">-5,00</span>");
}

}  // namespace
}  // namespace engine
