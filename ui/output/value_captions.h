// The value texts of the setting rows and of the copies row, in the
// interface language: a whole number followed by its unit.
#pragma once

#include <string>

namespace ui {

// The "%f" text of `value` cut before its ".": the whole part, its sign kept.
std::wstring whole_number_text(double value);

// "1 copy", "3 copies", "7 copies" (Russian: 1 копию, 3 копии, 7 копий).
std::wstring copies_text(double copies);
// Font size: N pt (N пунктов).
std::wstring points_text(double points);
// Line spacing: "default value" for 0, else N pt (Russian пункта below 5).
std::wstring line_spacing_text(int points);
// Millimetres: N mm (N мм).
std::wstring millimetres_text(double mm);
// Heading size against the body: "the same as ...", "1 point larger" ...;
// empty outside -2 to 3.
std::wstring heading_delta_text(double delta);

// The layout page's label above the font and paragraph rows.
std::wstring font_and_paragraph_label();

}  // namespace ui
