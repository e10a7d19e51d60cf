#include "platform/slider.h"

#include <QSlider>
#include <algorithm>
#include <cmath>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

QSlider* slider_of(const Element& element) { return static_cast<QSlider*>(widget_of(element)); }

int whole(double value) { return int(std::lround(value)); }

}  // namespace

std::shared_ptr<Slider> Slider::create(double minimum, double maximum) {
    auto slider = std::shared_ptr<Slider>(new Slider(minimum, maximum));
    std::weak_ptr<Slider> weak = slider;
    QObject::connect(slider_of(*slider), &QSlider::valueChanged, [weak](int position) {
        auto self = weak.lock();
        if (!self || self->updating_) return;
        self->set_value(double(position));
    });
    return slider;
}

Slider::Slider(double minimum, double maximum)
    : Element(make_native(new QSlider(Qt::Horizontal))),
      minimum_(minimum),
      maximum_(std::max(minimum, maximum)),
      value_(minimum) {
    QSlider* slider = slider_of(*this);
    slider->setRange(whole(minimum_), whole(maximum_));
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksAbove);
    show_value();
}

void Slider::set_value(double value) {
    const double kept = std::isnan(value) ? minimum_ : std::clamp(value, minimum_, maximum_);
    if (kept == value_) return;
    value_ = kept;
    show_value();
    value_changed.raise(*this, value_);
}

void Slider::set_ticks_shown(bool shown) {
    slider_of(*this)->setTickPosition(shown ? QSlider::TicksAbove : QSlider::NoTicks);
}

void Slider::show_value() {
    updating_ = true;
    slider_of(*this)->setValue(whole(value_));
    updating_ = false;
}

}  // namespace platform
