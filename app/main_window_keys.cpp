// The keyboard accelerators and the switch of the interface language.
#include "app/key_commands.h"
#include "app/main_window.h"

namespace app {

void MainWindow::OnKeyboardAcceleratorInvoked(const platform::Accelerator& key) {
    const key_command command = command_for(key, session_.mode(), session_.save_print_page());
    switch (command.what) {
        case key_command::kind::none: return;
        case key_command::kind::switch_language: SwitchLanguage(); return;
        case key_command::kind::toggle_library: ToggleLibrary(); return;
        case key_command::kind::toggle_settings: ToggleSettings(); return;
        case key_command::kind::turn_page:
            session_.set_save_print_page(command.page);
            left_menu_.RefreshMenuPanel();
            UpdateToolbarState();
            return;
        case key_command::kind::toggle_output_panel:
            session_.set_save_print_page(command.page);
            TogglePrintSavePanel();
            return;
    }
}

void MainWindow::SwitchLanguage() {
    // Both checked before anything changes, and said in the present
    // language: a library that cannot be copied or a document that cannot
    // be written back keeps the language, the labels and the document.
    session_.prepare_other_language();
    CloseBeforeSwitch();
    session_.switch_language();
    ApplyUiLanguage();
}

}  // namespace app
