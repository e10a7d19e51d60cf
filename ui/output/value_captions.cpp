#include "ui/output/value_captions.h"

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "engine/text/number_text.h"

namespace ui {

namespace text = engine::ui_text;

std::wstring whole_number_text(double value) {
    std::wstring text = engine::format_fixed6(value);
    const auto dot = text.find(L'.');
    if (dot != std::wstring::npos) text.erase(dot);
    return text;
}

std::wstring copies_text(double copies) {
    const int row = copies == 1.0
                        ? text::copies_one
                        : (copies > 1.0 && copies < 5.0 ? text::copies_few : text::copies_many);
    return whole_number_text(copies) + core::ui_string(row);
}

std::wstring points_text(double points) {
    return whole_number_text(points) + core::ui_string(text::points_many);
}

std::wstring line_spacing_text(int points) {
    if (points == 0) return core::ui_string(text::default_value);
    return engine::format_int(points) +
           core::ui_string(points < 5 ? text::points_few : text::points_many);
}

std::wstring millimetres_text(double mm) {
    return whole_number_text(mm) + core::ui_string(text::millimetres);
}

std::wstring heading_delta_text(double delta) {
    if (delta == 0) return core::ui_string(text::heading_same_size);
    if (delta == -1) return core::ui_string(text::heading_1pt_smaller);
    if (delta == -2) return core::ui_string(text::heading_2pt_smaller);
    if (delta == 1) return core::ui_string(text::heading_1pt_larger);
    if (delta == 2) return core::ui_string(text::heading_2pt_larger);
    if (delta == 3) return core::ui_string(text::heading_3pt_larger);
    return {};
}

std::wstring font_and_paragraph_label() {
    return core::current_language == 1 ? L"Параметры шрифта и абзацев" : L"Font and Paragraphs";
}

}  // namespace ui
