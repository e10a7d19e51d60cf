// A horizontal slider over a range of whole steps, with tick marks above
// unless they are turned off.
//
// The value is kept within the range: setting one outside it moves the thumb
// to the nearest end. `value_changed` is raised for every change of the value,
// made by the user or by code, with the new value. UI thread only.
#pragma once

#include <memory>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

class Slider final : public Element {
public:
    static std::shared_ptr<Slider> create(double minimum, double maximum);

    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double value() const { return value_; }
    void set_value(double value);
    void set_ticks_shown(bool shown);

    Event<Slider, double> value_changed;

private:
    Slider(double minimum, double maximum);
    void show_value();

    double minimum_;
    double maximum_;
    double value_;
    bool updating_ = false;
};

}  // namespace platform
