#include "app/main_menu_entries.h"

#include <gtest/gtest.h>

#include "core/interface_language_fixture.h"

namespace {

using MainMenu = core_test::interface_language_test;

TEST_F(MainMenu, ChecksMarkOnlyTheShownBars) {
    const std::pair<bool, bool> rows[] = {
        {true, true}, {false, false}, {false, true}, {true, false}};
    for (const auto& [toolbar, statusbar] : rows) {
        const auto entries = app::main_menu_entries(toolbar, statusbar);
        ASSERT_EQ(entries.size(), 10u);
        EXPECT_EQ(entries[6].icon == L"check.xpm", toolbar) << toolbar << statusbar;
        EXPECT_EQ(entries[7].icon == L"check.xpm", statusbar) << toolbar << statusbar;
    }
}

}  // namespace
