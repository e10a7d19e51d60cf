#include "app/main_menu_entries.h"

#include "core/interface_texts.h"

namespace app {

namespace {

using command = main_menu_command;

struct entry_row {
    int text_row;  // 0: a separator
    const wchar_t* accelerator_text;
    const wchar_t* icon;
    command what;
};

constexpr wchar_t check_mark[] = L"check.xpm";

// clang-format off
constexpr entry_row menu_rows[] = {
    {1, L"Ctrl+L", L"library.xpm",  command::library},
    {2, L"Ctrl+R", L"settings.xpm", command::settings},
    {0, L"",       L"",             command::library},
    {3, L"Ctrl+P", L"print.xpm",    command::print},
    {4, L"Ctrl+S", L"save.xpm",     command::save},
    {0, L"",       L"",             command::library},
    {5, L"",       check_mark,      command::tool_bar},
    {6, L"",       check_mark,      command::status_bar},
    {0, L"",       L"",             command::library},
    {7, L"",       L"about.xpm",    command::about},
};
// clang-format on

}  // namespace

std::vector<main_menu_entry> main_menu_entries(bool toolbar_shown, bool statusbar_shown) {
    std::vector<main_menu_entry> entries;
    for (const entry_row& row : menu_rows) {
        if (row.text_row == 0) {
            entries.push_back({true, {}, {}, {}, row.what});
            continue;
        }
        const bool unchecked = (row.what == command::tool_bar && !toolbar_shown) ||
                               (row.what == command::status_bar && !statusbar_shown);
        entries.push_back({false, core::ui_string(row.text_row), row.accelerator_text,
                           unchecked ? L"" : row.icon, row.what});
    }
    return entries;
}

}  // namespace app
