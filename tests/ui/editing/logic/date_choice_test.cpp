#include "ui/editing/date_choice.h"

#include <gtest/gtest.h>

#include "core/interface_language_fixture.h"
#include "engine/document/memory_environment.h"

namespace {

class DateChoice : public core_test::interface_language_test {
protected:
    ui::date_choice initial_date_choice(const std::wstring& text) const {
        return ui::initial_date_choice(text, pinned);
    }
    const engine::memory_environment pinned{1775822400};  // 2026-04-10 12:00 UTC
};

TEST_F(DateChoice, ADayBecomesTheLongDateOfTheInterfaceLanguage) {
    EXPECT_EQ(ui::long_date_text({2025, 3, 8}), L"March 8, 2025");
    EXPECT_EQ(ui::long_date_text({1969, 12, 31}), L"December 31, 1969");
    core::current_language = 1;
    EXPECT_EQ(ui::long_date_text({2025, 3, 8}), L"08 марта 2025 г.");
}

TEST_F(DateChoice, ABlankTextChoosesToday) {
    for (const wchar_t* blank : {L"", L" \t\r\n"}) {
        const ui::date_choice choice = initial_date_choice(blank);
        ASSERT_TRUE(choice.selected);
        EXPECT_EQ(*choice.selected, (ui::calendar_day{2026, 4, 10}));
        EXPECT_EQ(choice.shown, (ui::calendar_day{2026, 4, 10}));
        EXPECT_EQ(choice.result, L"April 10, 2026");
    }
}

TEST_F(DateChoice, AValidDateIsSelectedTheFirstOfJanuary1970Included) {
    const ui::date_choice march = initial_date_choice(L"  March 8, 2025\n");
    EXPECT_EQ(march.selected, (ui::calendar_day{2025, 3, 8}));
    EXPECT_EQ(march.shown, (ui::calendar_day{2025, 3, 8}));
    EXPECT_EQ(march.result, L"March 8, 2025");

    core::current_language = 1;
    const ui::date_choice epoch = initial_date_choice(L"01.01.1970");
    EXPECT_EQ(epoch.selected, (ui::calendar_day{1970, 1, 1}));
    EXPECT_EQ(epoch.result, L"01 января 1970 г.");
}

TEST_F(DateChoice, ATextThatIsNoDateOpensOnTodaysMonthWithNothingToHandBack) {
    for (const wchar_t* text : {L"soon", L"31.02.2025", L"February 30, 2025"}) {
        const ui::date_choice choice = initial_date_choice(text);
        EXPECT_FALSE(choice.selected) << text;
        EXPECT_EQ(choice.shown.year, 2026);
        EXPECT_EQ(choice.shown.month, 4);
        EXPECT_EQ(choice.result, L"") << text;
    }
}

}  // namespace
