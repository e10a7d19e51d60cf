#include "app/main_menu_entries.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"

namespace app {

namespace {

using command = main_menu_command;
namespace text = engine::ui_text;

// The row of a separator, which has no text.
constexpr int separator = 0;

struct entry_row {
    int text_row;
    const wchar_t* accelerator_text;
    const wchar_t* icon;
    command what;
};

constexpr wchar_t check_mark[] = L"check.xpm";

// clang-format off
constexpr entry_row menu_rows[] = {
    {text::library,    L"Ctrl+L", L"library.xpm",  command::library},
    {text::settings,   L"Ctrl+R", L"settings.xpm", command::settings},
    {separator,        L"",       L"",             command::library},
    {text::print,      L"Ctrl+P", L"print.xpm",    command::print},
    {text::save,       L"Ctrl+S", L"save.xpm",     command::save},
    {separator,        L"",       L"",             command::library},
    {text::tool_bar,   L"",       check_mark,      command::tool_bar},
    {text::status_bar, L"",       check_mark,      command::status_bar},
    {separator,        L"",       L"",             command::library},
    {text::about,      L"",       L"about.xpm",    command::about},
};
// clang-format on

}  // namespace

std::vector<main_menu_entry> main_menu_entries(bool toolbar_shown, bool statusbar_shown) {
    std::vector<main_menu_entry> entries;
    for (const entry_row& row : menu_rows) {
        if (row.text_row == separator) {
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
