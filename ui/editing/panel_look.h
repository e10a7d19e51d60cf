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
constexpr platform::Color dark_red{255, 0x8B, 0x00, 0x00};

// The window's gradients, made once: the panel gradient behind the whole
// data panel and its width slider, the row gradient behind label rows, note
// rows and the save/print action button, and the title-bar gradient.
inline const platform::Brush& panel_brush() {
    static const platform::Brush brush = platform::LinearGradientBrush{
        {0.4, 0}, {0.9, 1.0}, {{{0xE0, 0xE0, 0xE0, 0xE0}, 0.2}, {{0xC8, 0xC8, 0xC8, 0xC8}, 0.7}}};
    return brush;
}
inline const platform::Brush& row_brush() {
    static const platform::Brush brush = platform::LinearGradientBrush{
        {0.7, 0}, {0.9, 1.0}, {{{0xFF, 0x4E, 0x5F, 0xA6}, 0.2}, {{0xFF, 0x5F, 0x75, 0xC7}, 0.7}}};
    return brush;
}
inline const platform::Brush& title_bar_brush() {
    static const platform::Brush brush = platform::LinearGradientBrush{
        {0.4, 0}, {0.9, 1.0}, {{{0xE0, 0x00, 0x00, 0xC7}, 0.2}, {{0xC8, 0xC8, 0xC8, 0xC8}, 0.7}}};
    return brush;
}

inline platform::FontSpec caption_font() { return {L"", 11, true}; }
inline platform::FontSpec subtitle_font() { return {L"", 12, false}; }
inline platform::FontSpec label_font() { return {L"", 12, true}; }
inline platform::FontSpec editor_font() { return {L"", 12, false}; }
inline platform::FontSpec note_font() { return {L"", 11, false}; }

constexpr platform::Thickness row_margin{18, 2, 22, 8};
// A number field's row: its note line below takes the place of the margin.
constexpr platform::Thickness number_row_margin{18, 2, 22, 2};
constexpr platform::Thickness label_row_margin{18, 18, 22, 2};
constexpr platform::Thickness label_text_margin{18, 12, 18, 12};
constexpr double corner_radius = 4;

}  // namespace ui::look
