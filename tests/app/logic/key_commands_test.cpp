#include "app/key_commands.h"

#include <gtest/gtest.h>

namespace {

using app::command_for;
using app::key_command;
using core::SavePrintPage;
using core::ViewMode;
using platform::KeyModifiers;
using platform::VirtualKey;
using kind = key_command::kind;

constexpr VirtualKey all_keys[] = {VirtualKey::F7, VirtualKey::L, VirtualKey::R, VirtualKey::P,
                                   VirtualKey::S};
constexpr ViewMode all_modes[] = {ViewMode::data, ViewMode::settings, ViewMode::text_edit,
                                  ViewMode::save_print};
constexpr SavePrintPage all_pages[] = {SavePrintPage::print, SavePrintPage::save,
                                       SavePrintPage::layout};

TEST(KeyCommands, OnlyKeysWithExactlyControlActAndEachDeclaredKeyDoes) {
    for (VirtualKey key : all_keys) {
        for (KeyModifiers modifiers :
             {KeyModifiers::none, KeyModifiers::shift, KeyModifiers::menu, KeyModifiers::windows,
              KeyModifiers::control | KeyModifiers::shift,
              KeyModifiers::control | KeyModifiers::menu,
              KeyModifiers::control | KeyModifiers::windows}) {
            EXPECT_EQ(command_for({key, modifiers}, ViewMode::data, SavePrintPage::print),
                      key_command{})
                << int(key) << " " << unsigned(modifiers);
        }
    }
    for (const platform::Accelerator& declared : app::window_accelerators) {
        EXPECT_NE(command_for(declared, ViewMode::data, SavePrintPage::print).what, kind::none);
    }
    for (ViewMode mode : all_modes) {
        EXPECT_EQ(
            command_for({VirtualKey::F7, KeyModifiers::control}, mode, SavePrintPage::save).what,
            kind::switch_language);
        EXPECT_EQ(
            command_for({VirtualKey::L, KeyModifiers::control}, mode, SavePrintPage::save).what,
            kind::toggle_library);
        EXPECT_EQ(
            command_for({VirtualKey::R, KeyModifiers::control}, mode, SavePrintPage::save).what,
            kind::toggle_settings);
    }
}

TEST(KeyCommands, PrintAndSaveTurnTheOpenPanelOnlyFromTheOtherPageAndOtherwiseOpenOrCloseIt) {
    const key_command to_print{kind::turn_page, SavePrintPage::print};
    const key_command to_save{kind::turn_page, SavePrintPage::save};
    const key_command toggle_print{kind::toggle_output_panel, SavePrintPage::print};
    const key_command toggle_save{kind::toggle_output_panel, SavePrintPage::save};
    const platform::Accelerator ctrl_p{VirtualKey::P, KeyModifiers::control};
    const platform::Accelerator ctrl_s{VirtualKey::S, KeyModifiers::control};

    // The open panel: from the other page it turns; on its own page or the
    // layout page the key closes it.
    EXPECT_EQ(command_for(ctrl_p, ViewMode::save_print, SavePrintPage::save), to_print);
    EXPECT_EQ(command_for(ctrl_p, ViewMode::save_print, SavePrintPage::print), toggle_print);
    EXPECT_EQ(command_for(ctrl_p, ViewMode::save_print, SavePrintPage::layout), toggle_print);
    EXPECT_EQ(command_for(ctrl_s, ViewMode::save_print, SavePrintPage::print), to_save);
    EXPECT_EQ(command_for(ctrl_s, ViewMode::save_print, SavePrintPage::save), toggle_save);
    EXPECT_EQ(command_for(ctrl_s, ViewMode::save_print, SavePrintPage::layout), toggle_save);
    // Closed, whatever page it showed last, the key opens it on its own page.
    for (ViewMode mode : {ViewMode::data, ViewMode::settings, ViewMode::text_edit}) {
        for (SavePrintPage page : all_pages) {
            EXPECT_EQ(command_for(ctrl_p, mode, page), toggle_print);
            EXPECT_EQ(command_for(ctrl_s, mode, page), toggle_save);
        }
    }
}

}  // namespace
