#include "platform/toggle_button.h"

#include <QCheckBox>
#include <QRadioButton>

#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

QAbstractButton* button_of(const Element& element) {
    return static_cast<QAbstractButton*>(widget_of(element));
}

}  // namespace

ToggleButton::ToggleButton(NativePtr native, std::wstring content)
    : Element(std::move(native)), content_(std::move(content)) {
    button_of(*this)->setText(to_qstring(content_));
}

void ToggleButton::connect_events() {
    std::weak_ptr<ToggleButton> weak = std::static_pointer_cast<ToggleButton>(shared_from_this());
    QObject::connect(button_of(*this), &QAbstractButton::toggled, [weak](bool on) {
        auto self = weak.lock();
        if (!self) return;
        if (on) {
            self->checked.raise(*self);
        } else {
            self->unchecked.raise(*self);
        }
    });
}

bool ToggleButton::is_checked() const { return button_of(*this)->isChecked(); }

void ToggleButton::set_checked(bool checked) { button_of(*this)->setChecked(checked); }

void ToggleButton::click() { button_of(*this)->click(); }

std::shared_ptr<CheckBox> CheckBox::create(std::wstring content) {
    auto box = std::shared_ptr<CheckBox>(new CheckBox(std::move(content)));
    box->connect_events();
    return box;
}

CheckBox::CheckBox(std::wstring content)
    : ToggleButton(make_native(new QCheckBox), std::move(content)) {}

std::shared_ptr<RadioButton> RadioButton::create(std::wstring content) {
    auto button = std::shared_ptr<RadioButton>(new RadioButton(std::move(content)));
    button->connect_events();
    return button;
}

// Exclusive among the radio buttons of the same parent widget, which is
// what one panel holding them gives.
RadioButton::RadioButton(std::wstring content)
    : ToggleButton(make_native(new QRadioButton), std::move(content)) {}

}  // namespace platform
