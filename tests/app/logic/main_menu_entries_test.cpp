#include "app/main_menu_entries.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/key_commands.h"
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

// The hint beside an entry names the key that runs the entry's command; the
// bar switches and About have none.
TEST_F(MainMenu, EachHintNamesTheKeyThatRunsItsEntry) {
    using command = app::main_menu_command;
    using kind = app::key_command::kind;
    const std::pair<command, app::key_command> by_key[] = {
        {command::library, {kind::toggle_library}},
        {command::settings, {kind::toggle_settings}},
        {command::print, {kind::toggle_output_panel, core::SavePrintPage::print}},
        {command::save, {kind::toggle_output_panel, core::SavePrintPage::save}},
        {command::tool_bar, {}},
        {command::status_bar, {}},
        {command::about, {}},
    };
    for (const app::main_menu_entry& entry : app::main_menu_entries(true, true)) {
        if (entry.separator) continue;
        const auto row = std::find_if(std::begin(by_key), std::end(by_key),
                                      [&](const auto& r) { return r.first == entry.command; });
        ASSERT_NE(row, std::end(by_key));
        const std::wstring& hint = entry.accelerator_text;
        if (row->second == app::key_command{}) {
            EXPECT_EQ(hint, L"") << int(entry.command);
            continue;
        }
        ASSERT_EQ(hint.size(), 6u) << int(entry.command);
        EXPECT_EQ(hint.substr(0, 5), L"Ctrl+");
        const platform::Accelerator key{platform::VirtualKey(hint[5]),
                                        platform::KeyModifiers::control};
        EXPECT_EQ(app::command_for(key, core::ViewMode::data, core::SavePrintPage::print),
                  row->second)
            << int(entry.command);
    }
}

}  // namespace
