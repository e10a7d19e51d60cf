// The colours and sizes of the window's own furniture: header row, menu
// button, pane sliders and About box. Named colours are the SVG values.
#pragma once

#include "platform/style.h"
#include "ui/editing/panel_look.h"

namespace app::look {

using ui::look::dark_blue;
using ui::look::dark_gray;
using ui::look::transparent;
using ui::look::white;

constexpr platform::Color accent{255, 0x5D, 0x6B, 0x99};
constexpr platform::Color dark_slate_gray{255, 0x2F, 0x4F, 0x4F};
constexpr platform::Color alice_blue{255, 0xF0, 0xF8, 0xFF};
constexpr platform::Color link{255, 0x36, 0x77, 0xB0};
constexpr platform::Color product_line{0xEC, 0x5D, 0x6B, 0x99};

constexpr double title_bar_with_tool_bar = 48;
constexpr double title_bar_without_tool_bar = 32;
// Behind the tool bar, so its accent icons read on the title-bar gradient.
constexpr platform::Color tool_bar_backing{0xD8, 0xF8, 0xF9, 0xFF};

// The menu button and the pane sliders' strips: under the pointer, and
// after it left.
constexpr platform::Color menu_button_over{255, 0xF8, 0xF9, 0xFF};
constexpr platform::Color menu_button_away{255, 0xCC, 0xD5, 0xF0};
constexpr platform::Color menu_strip_over{0xE0, 0x00, 0x00, 0xC7};
constexpr platform::Color menu_strip_away = dark_blue;
constexpr platform::Color data_strip_over{0xE0, 0xE0, 0xE0, 0xE0};

}  // namespace app::look
