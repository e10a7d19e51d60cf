// What the window's keyboard accelerators do, decided without a window.
//
// Only a key declared with exactly the Control modifier acts. Ctrl+P and
// Ctrl+S turn the open save/print panel from the other page to theirs;
// otherwise they choose their page and open the panel, or close it when it
// is open (the layout page included).
#pragma once

#include <array>

#include "core/view_mode.h"
#include "platform/keys.h"

namespace app {

// The keys the window declares.
inline constexpr std::array<platform::Accelerator, 5> window_accelerators{{
    {platform::VirtualKey::F7, platform::KeyModifiers::control},
    {platform::VirtualKey::L, platform::KeyModifiers::control},
    {platform::VirtualKey::R, platform::KeyModifiers::control},
    {platform::VirtualKey::P, platform::KeyModifiers::control},
    {platform::VirtualKey::S, platform::KeyModifiers::control},
}};

struct key_command {
    enum class kind {
        none,
        switch_language,
        toggle_library,
        toggle_settings,
        turn_page,           // the open panel turns to `page`
        toggle_output_panel  // `page` is chosen, then the panel opens or closes
    };
    kind what = kind::none;
    core::SavePrintPage page = core::SavePrintPage::print;
    friend bool operator==(const key_command&, const key_command&) = default;
};

key_command command_for(platform::Accelerator key, core::ViewMode mode, core::SavePrintPage page);

}  // namespace app
