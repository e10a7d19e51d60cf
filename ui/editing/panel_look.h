// The shared look of the data panel's rows: named colours, fonts and the
// margins every row builder uses. The fonts of the original design are not
// installed here; the system's sans font stands in at the same sizes.
#pragma once

#include "platform/style.h"

namespace ui::look {

constexpr platform::Color white{255, 255, 255, 255};
constexpr platform::Color white_smoke{255, 0xF5, 0xF5, 0xF5};
constexpr platform::Color dark_blue{255, 0x00, 0x00, 0x8B};
constexpr platform::Color dark_gray{255, 0xA9, 0xA9, 0xA9};
constexpr platform::Color transparent{0, 0, 0, 0};
constexpr platform::Color pick_button{255, 0xCC, 0xD5, 0xF0};
// Between the two stops of the original panel and row gradients: the
// background of the whole data panel, and of label rows, note rows and the
// save/print action button.
constexpr platform::Color panel_colour{255, 0xD4, 0xD4, 0xD4};
constexpr platform::Color row_colour{255, 0x56, 0x6A, 0xB6};

inline platform::FontSpec caption_font() { return {L"", 11, true}; }
inline platform::FontSpec subtitle_font() { return {L"", 12, false}; }
inline platform::FontSpec label_font() { return {L"", 12, true}; }
inline platform::FontSpec editor_font() { return {L"", 12, false}; }

constexpr platform::Thickness row_margin{18, 2, 22, 8};
constexpr platform::Thickness label_row_margin{18, 18, 22, 2};
constexpr platform::Thickness label_text_margin{18, 12, 18, 12};
constexpr double corner_radius = 4;

}  // namespace ui::look
