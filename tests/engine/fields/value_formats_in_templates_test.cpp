// Dates, numbers and money as template authors write them, through the script.
#include <gtest/gtest.h>

#include "engine/fields/date_value.h"
#include "engine/fields/parameter_fixture.h"

namespace engine {
namespace {

class ValueFormats : public testing::parameter_document {};

TEST_F(ValueFormats, EnglishMoneyFollowsTheDocumentsCurrency) {
    add_field(L"Currency", L"Euro");
    add_field(L"Amount", L"1,234.50");
    EXPECT_EQ(run(L"{currency:Amount}"), L"<span style=\"white-space:nowrap\">€1,234.50</span>");
    EXPECT_EQ(run(L"{currency in words:Amount}"),
              L"one thousand two hundred thirty-four euros and fifty cents");
}

TEST_F(ValueFormats, RussianNumbersAndDatesByModifierWords) {
    current_language = 1;
    add_field(L"Сумма", L"1 234,5");
    add_field(L"Срок", L"5");
    add_field(L"Дата", L"05.01.2024");
    EXPECT_EQ(run(L"{валюта:Сумма}"),
              L"<span style=\"white-space:nowrap\">1&thinsp;234,50</span>&nbsp;руб.");
    EXPECT_EQ(run(L"{р:Срок} дней"), L"пяти дней");
    EXPECT_EQ(run(L"{целая часть:Сумма}"), L"1234");
    // The reference's letter case carries over to dates.
    EXPECT_EQ(run(L"{месяц прописью:дата}"), L"января");
    EXPECT_EQ(run(L"{месяц прописью:Дата}"), L"Января");
    EXPECT_EQ(run(L"{формат:Дата}"), L"«05»&thinsp;января 2024&thinsp;г.");
    EXPECT_EQ(run(L"{Дата - Срок}"), L"31.12.2023");
}

TEST_F(ValueFormats, TodayIsADateForEveryModifier) {
    set_clock_source([] { return std::int64_t(1710504000); });  // 2024-03-15 noon UTC
    current_language = 1;
    EXPECT_EQ(run(L"{год:дата составления}"), L"2024");
    EXPECT_EQ(run(L"{дата составления}"), L"15.03.2024");
    set_clock_source(nullptr);
}

}  // namespace
}  // namespace engine
