// The controls the settings and save/print panels share: the group box that
// frames a row's controls, a slider in one, a group of radio buttons and a
// check box. Each
// shows its starting value before its handler is attached, so building a
// page changes nothing; radio buttons call theirs only when they turn on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/panel.h"
#include "platform/slider.h"
#include "platform/toggle_button.h"

namespace ui {

using ToggleHandler = std::function<void(platform::ToggleButton& sender)>;

// A panel on the light row colour with a thin border.
std::shared_ptr<platform::Panel> MakeGroupBox();

// A group box holding a slider set to `value` (kept within its range).
struct SliderGroup {
    std::shared_ptr<platform::Panel> box;
    std::shared_ptr<platform::Slider> slider;
};
SliderGroup MakeSliderGroup(double minimum, double maximum, double value);

// A group box of radio buttons, one per text with its code in its data
// context; the one whose code is `chosen` is on.
std::shared_ptr<platform::Panel> MakeOptionGroup(
    const std::vector<std::pair<std::wstring, std::int32_t>>& options, std::int32_t chosen,
    ToggleHandler on_checked);

// A check box whose handler hears it turn on and off.
std::shared_ptr<platform::CheckBox> MakeOptionCheckBox(std::wstring text, bool checked,
                                                       ToggleHandler on_toggled);

}  // namespace ui
