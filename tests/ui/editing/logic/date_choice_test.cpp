#include "ui/editing/date_choice.h"

#include <gtest/gtest.h>

#include "engine/document/process_state.h"
#include "engine/fields/date_value.h"
#include "support/process_state_fixture.h"

namespace {

class DateChoice : public fixture::process_state_test {
protected:
    void SetUp() override {
        process_state_test::SetUp();
        engine::set_clock_source([] { return std::int64_t(1775822400); });  // 2026-04-10 12:00 UTC
    }
    void TearDown() override {
        engine::set_clock_source(nullptr);
        process_state_test::TearDown();
    }
};

TEST_F(DateChoice, ADayBecomesTheLongDateOfTheInterfaceLanguage) {
    EXPECT_EQ(ui::long_date_text({2025, 3, 8}), L"March 8, 2025");
    EXPECT_EQ(ui::long_date_text({1969, 12, 31}), L"December 31, 1969");
    engine::current_language = 1;
    EXPECT_EQ(ui::long_date_text({2025, 3, 8}), L"08 марта 2025 г.");
    EXPECT_EQ(ui::long_date_text({2024, 2, 29}), L"29 февраля 2024 г.");
}

TEST_F(DateChoice, ABlankTextChoosesToday) {
    for (const wchar_t* blank : {L"", L" \t\r\n"}) {
        const ui::date_choice choice = ui::initial_date_choice(blank);
        ASSERT_TRUE(choice.selected);
        EXPECT_EQ(*choice.selected, (ui::calendar_day{2026, 4, 10}));
        EXPECT_EQ(choice.shown, (ui::calendar_day{2026, 4, 10}));
        EXPECT_EQ(choice.result, L"April 10, 2026");
    }
}

TEST_F(DateChoice, AValidDateIsSelectedTheFirstOfJanuary1970Included) {
    const ui::date_choice march = ui::initial_date_choice(L"  March 8, 2025\n");
    EXPECT_EQ(march.selected, (ui::calendar_day{2025, 3, 8}));
    EXPECT_EQ(march.shown, (ui::calendar_day{2025, 3, 8}));
    EXPECT_EQ(march.result, L"March 8, 2025");

    engine::current_language = 1;
    const ui::date_choice epoch = ui::initial_date_choice(L"01.01.1970");
    EXPECT_EQ(epoch.selected, (ui::calendar_day{1970, 1, 1}));
    EXPECT_EQ(epoch.result, L"01 января 1970 г.");
}

TEST_F(DateChoice, ATextThatIsNoDateOpensOnTodaysMonthWithNothingToHandBack) {
    for (const wchar_t* text : {L"soon", L"31.02.2025", L"February 30, 2025"}) {
        const ui::date_choice choice = ui::initial_date_choice(text);
        EXPECT_FALSE(choice.selected) << text;
        EXPECT_EQ(choice.shown.year, 2026);
        EXPECT_EQ(choice.shown.month, 4);
        EXPECT_EQ(choice.result, L"") << text;
    }
}

}  // namespace
