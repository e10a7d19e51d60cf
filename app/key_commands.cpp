#include "app/key_commands.h"

namespace app {

using core::SavePrintPage;
using kind = key_command::kind;

namespace {

key_command output_page_command(SavePrintPage wanted, SavePrintPage other, core::ViewMode mode,
                                SavePrintPage page) {
    if (mode == core::ViewMode::save_print && page == other) return {kind::turn_page, wanted};
    return {kind::toggle_output_panel, wanted};
}

}  // namespace

key_command command_for(platform::Accelerator key, core::ViewMode mode, SavePrintPage page) {
    if (key.modifiers != platform::KeyModifiers::control) return {};
    switch (key.key) {
        case platform::VirtualKey::F7: return {kind::switch_language};
        case platform::VirtualKey::L: return {kind::toggle_library};
        case platform::VirtualKey::R: return {kind::toggle_settings};
        case platform::VirtualKey::P:
            return output_page_command(SavePrintPage::print, SavePrintPage::save, mode, page);
        case platform::VirtualKey::S:
            return output_page_command(SavePrintPage::save, SavePrintPage::print, mode, page);
    }
    return {};
}

}  // namespace app
