#include "ui/output/option_controls.h"

#include "platform/decoration.h"
#include "ui/editing/panel_look.h"

namespace ui {

std::shared_ptr<platform::Panel> MakeGroupBox() {
    auto box = platform::Panel::create();
    box->set_margin(look::row_margin);
    platform::set_border(*box, {look::white_smoke, look::dark_gray, 1, look::corner_radius});
    return box;
}

SliderGroup MakeSliderGroup(double minimum, double maximum, double value) {
    auto slider = platform::Slider::create(minimum, maximum);
    slider->set_margin({4, 4, 4, 4});
    slider->set_value(value);
    auto box = MakeGroupBox();
    box->children().append(slider);
    return {box, slider};
}

std::shared_ptr<platform::Panel> MakeOptionGroup(
    const std::vector<std::pair<std::wstring, std::int32_t>>& options, std::int32_t chosen,
    ToggleHandler on_checked) {
    auto box = MakeGroupBox();
    std::size_t index = 0;
    for (const auto& [text, code] : options) {
        auto radio = platform::RadioButton::create(text);
        radio->set_font(look::editor_font());
        const bool first = index == 0, last = index + 1 == options.size();
        radio->set_margin({10, first ? 8.0 : 2.0, 8, last ? 9.0 : 2.0});
        platform::keep_margin_outside(*radio);
        box->children().append(radio);
        radio->set_checked(code == chosen);
        radio->data_context = code;
        radio->checked.add([on_checked](platform::ToggleButton& sender, const platform::NoArgs&) {
            on_checked(sender);
        });
        ++index;
    }
    return box;
}

std::shared_ptr<platform::CheckBox> MakeOptionCheckBox(std::wstring text, bool checked,
                                                       ToggleHandler on_toggled) {
    auto box = platform::CheckBox::create(std::move(text));
    box->set_margin({20, 0, 8, 2});
    platform::keep_margin_outside(*box);
    box->set_checked(checked);
    auto toggled = [on_toggled](platform::ToggleButton& sender, const platform::NoArgs&) {
        on_toggled(sender);
    };
    box->checked.add(toggled);
    box->unchecked.add(toggled);
    return box;
}

}  // namespace ui
