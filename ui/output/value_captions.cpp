#include "ui/output/value_captions.h"

#include "core/interface_texts.h"
#include "engine/text/number_text.h"

namespace ui {

namespace {

constexpr int copy_row = 19, copies_few_row = 20, copies_many_row = 21;
constexpr int points_few_row = 48, points_row = 49, default_value_row = 61, millimetres_row = 62;

}  // namespace

std::wstring whole_number_text(double value) {
    std::wstring text = engine::format_fixed6(value);
    const auto dot = text.find(L'.');
    if (dot != std::wstring::npos) text.erase(dot);
    return text;
}

std::wstring copies_text(double copies) {
    const int row = copies == 1.0 ? copy_row : (copies > 1.0 && copies < 5.0 ? copies_few_row : copies_many_row);
    return whole_number_text(copies) + core::ui_string(row);
}

std::wstring points_text(double points) {
    return whole_number_text(points) + core::ui_string(points_row);
}

std::wstring line_spacing_text(int points) {
    if (points == 0) return core::ui_string(default_value_row);
    return engine::format_int(points) + core::ui_string(points < 5 ? points_few_row : points_row);
}

std::wstring millimetres_text(double mm) {
    return whole_number_text(mm) + core::ui_string(millimetres_row);
}

std::wstring heading_delta_text(double delta) {
    if (delta == 0) return core::ui_string(50);
    if (delta == -1) return core::ui_string(51);
    if (delta == -2) return core::ui_string(52);
    if (delta == 1) return core::ui_string(53);
    if (delta == 2) return core::ui_string(54);
    if (delta == 3) return core::ui_string(55);
    return {};
}

std::wstring font_and_paragraph_label() {
    return core::current_language == 1 ? L"Параметры шрифта и абзацев" : L"Font and Paragraphs";
}

}  // namespace ui
