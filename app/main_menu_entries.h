// The main menu behind the menu button, in the interface language and for
// the present state of the bars, worked out without a window.
#pragma once

#include <string>
#include <vector>

namespace app {

enum class main_menu_command { library, settings, print, save, tool_bar, status_bar, about };

struct main_menu_entry {
    bool separator = false;
    std::wstring text;
    std::wstring accelerator_text;  // a hint only; the keys are the window's
    std::wstring icon;              // a file of the installed icons; empty: none
    main_menu_command command = main_menu_command::library;
};

// Library, Settings | Print, Save | Tool Bar, Status Bar | About; the two
// bar switches show a check mark while their bar shows.
std::vector<main_menu_entry> main_menu_entries(bool toolbar_shown, bool statusbar_shown);

}  // namespace app
