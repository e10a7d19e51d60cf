#include "app/main_menu_entries.h"

#include <gtest/gtest.h>

#include "core/interface_language_fixture.h"

namespace {

using MainMenu = core_test::interface_language_test;

struct Shown {
    std::wstring text, accelerator, icon;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::vector<Shown> shown(bool toolbar, bool statusbar) {
    std::vector<Shown> out;
    for (const app::main_menu_entry& e : app::main_menu_entries(toolbar, statusbar)) {
        out.push_back(e.separator ? Shown{L"-", L"", L""}
                                  : Shown{e.text, e.accelerator_text, e.icon});
    }
    return out;
}

TEST_F(MainMenu, SevenItemsInThreeSeparatedGroupsWithChecksOnlyForTheShownBars) {
    const std::vector<Shown> english = {{L"Library", L"Ctrl+L", L"library.xpm"},
                                        {L"Settings", L"Ctrl+R", L"settings.xpm"},
                                        {L"-", L"", L""},
                                        {L"Print", L"Ctrl+P", L"print.xpm"},
                                        {L"Save", L"Ctrl+S", L"save.xpm"},
                                        {L"-", L"", L""},
                                        {L"Tool Bar", L"", L"check.xpm"},
                                        {L"Status Bar", L"", L"check.xpm"},
                                        {L"-", L"", L""},
                                        {L"About", L"", L"about.xpm"}};
    EXPECT_EQ(shown(true, true), english);
    const auto neither = shown(false, false);
    EXPECT_EQ(neither[6], (Shown{L"Tool Bar", L"", L""}));
    EXPECT_EQ(neither[7], (Shown{L"Status Bar", L"", L""}));
    EXPECT_EQ(shown(false, true)[7].icon, L"check.xpm");
    EXPECT_EQ(shown(true, false)[6].icon, L"check.xpm");

    core::current_language = 1;
    std::vector<std::wstring> russian;
    for (const Shown& s : shown(true, false)) {
        if (s.text != L"-") russian.push_back(s.text + L" " + s.accelerator);
    }
    EXPECT_EQ(russian,
              (std::vector<std::wstring>{
                  L"Библиотека Ctrl+L", L"Параметры Ctrl+R", L"Печать Ctrl+P", L"Сохранить Ctrl+S",
                  L"Панель инструментов ", L"Строка состояния ", L"О программе "}));
}

}  // namespace
