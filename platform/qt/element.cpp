#include "platform/element.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFont>
#include <QPalette>

#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

int to_pixels(double value) {
    if (!(value > 0)) return 0;
    return value >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : int(value + 0.5);
}

Qt::Alignment qt_alignment(HorizontalAlignment h, VerticalAlignment v) {
    Qt::Alignment result;
    switch (h) {
        case HorizontalAlignment::left: result |= Qt::AlignLeft; break;
        case HorizontalAlignment::center: result |= Qt::AlignHCenter; break;
        case HorizontalAlignment::right: result |= Qt::AlignRight; break;
        case HorizontalAlignment::stretch: break;
    }
    switch (v) {
        case VerticalAlignment::top: result |= Qt::AlignTop; break;
        case VerticalAlignment::center: result |= Qt::AlignVCenter; break;
        case VerticalAlignment::bottom: result |= Qt::AlignBottom; break;
        case VerticalAlignment::stretch: break;
    }
    return result;
}

}  // namespace

void NativeWidgetDeleter::operator()(NativeWidget* native) const {
    delete native;
}

Element::Element() : Element(make_native(new QWidget)) {}

Element::Element(NativePtr native) : native_(std::move(native)) {}

Element::~Element() = default;

void Element::set_visibility(Visibility visibility) {
    visibility_ = visibility;
    QWidget* widget = widget_of(*this);
    if (!widget) return;
    // A widget without a parent would become a window of its own if shown;
    // it is shown when a panel takes it.
    if (visibility == Visibility::collapsed) {
        widget->hide();
    } else if (widget->parentWidget()) {
        widget->show();
    }
}

void Element::set_margin(Thickness margin) {
    margin_ = margin;
    if (QWidget* widget = widget_of(*this)) {
        widget->setContentsMargins(to_pixels(margin.left), to_pixels(margin.top), to_pixels(margin.right),
                                   to_pixels(margin.bottom));
    }
}

void Element::set_width(double width) {
    width_ = width;
    QWidget* widget = widget_of(*this);
    if (!widget) return;
    if (is_auto(width)) {
        widget->setMinimumWidth(0);
        widget->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        widget->setFixedWidth(to_pixels(width));
    }
}

void Element::set_height(double height) {
    height_ = height;
    QWidget* widget = widget_of(*this);
    if (!widget) return;
    if (is_auto(height)) {
        widget->setMinimumHeight(0);
        widget->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        widget->setFixedHeight(to_pixels(height));
    }
}

void Element::set_background(const SolidColorBrush& brush) {
    QWidget* widget = widget_of(*this);
    if (!widget) return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(brush.color.r, brush.color.g, brush.color.b, brush.color.a));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Element::set_font(const FontSpec& wanted) {
    QWidget* widget = widget_of(*this);
    if (!widget) return;
    QFont font = widget->font();
    if (!wanted.family.empty()) font.setFamily(to_qstring(wanted.family));
    if (wanted.size > 0) font.setPixelSize(to_pixels(wanted.size));
    font.setBold(wanted.bold);
    widget->setFont(font);
}

void Element::set_horizontal_alignment(HorizontalAlignment alignment) {
    horizontal_ = alignment;
    apply_alignment();
}

void Element::set_vertical_alignment(VerticalAlignment alignment) {
    vertical_ = alignment;
    apply_alignment();
}

void Element::apply_alignment() {
    QWidget* widget = widget_of(*this);
    auto panel = parent();
    if (!widget || !panel) return;
    if (QLayout* layout = widget_of(*panel)->layout()) {
        layout->setAlignment(widget, qt_alignment(horizontal_, vertical_));
    }
}

void Element::set_enabled(bool enabled) {
    enabled_ = enabled;
    if (QWidget* widget = widget_of(*this)) widget->setEnabled(enabled);
}

bool Element::focus() {
    QWidget* widget = widget_of(*this);
    if (!widget || !widget->isEnabled()) return false;
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

bool Element::has_focus() const {
    QWidget* widget = widget_of(*this);
    QWidget* focused = QApplication::focusWidget();
    return widget && focused && (focused == widget || widget->isAncestorOf(focused));
}

}  // namespace platform
