#include "ui/editing/date_choice.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/interface_language_fixture.h"
#include "engine/document/memory_environment.h"

namespace {

using ui::calendar_day;
using DateChoice = core_test::interface_language_test;

TEST_F(DateChoice, ADayBeforeTheEpochIsALongDateToo) {
    EXPECT_EQ(ui::long_date_text({1969, 12, 31}), L"December 31, 1969");
}

TEST_F(DateChoice, TheTextChoosesTheDayAndWhatOkHandsBack) {
    const engine::memory_environment pinned{1775822400};  // 2026-04-10 12:00 UTC
    const calendar_day today{2026, 4, 10};
    const struct {
        const wchar_t* text;
        int language;
        std::optional<calendar_day> selected;
        const wchar_t* result;
    } cases[] = {
        {L"", 0, today, L"April 10, 2026"},  // a blank text chooses today
        {L" \t\r\n", 0, today, L"April 10, 2026"},
        {L"  March 8, 2025\n", 0, calendar_day{2025, 3, 8}, L"March 8, 2025"},
        {L"01.01.1970", 1, calendar_day{1970, 1, 1}, L"01 января 1970 г."},
        // No date: today's month shows, nothing is selected or handed back.
        {L"soon", 0, std::nullopt, L""},
        {L"31.02.2025", 0, std::nullopt, L""},
        {L"February 30, 2025", 0, std::nullopt, L""},
    };
    for (const auto& c : cases) {
        core::current_language = c.language;
        const ui::date_choice choice = ui::initial_date_choice(c.text, pinned);
        EXPECT_EQ(choice.selected, c.selected) << c.text;
        EXPECT_EQ(choice.shown, c.selected ? *c.selected : today) << c.text;
        EXPECT_EQ(choice.result, c.result) << c.text;
    }
}

}  // namespace
