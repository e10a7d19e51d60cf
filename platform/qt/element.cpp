#include "platform/element.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QResizeEvent>

#include "platform/dispatcher.h"
#include "platform/panel.h"
#include "platform/qt/brushes.h"
#include "platform/qt/fonts.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/text_label.h"

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

Point point_of(QPointF at) { return {at.x(), at.y()}; }

// Turns the widget's hover, mouse and resize events into the element's.
class ElementWatcher final : public QObject {
public:
    ElementWatcher(Element& element, QWidget* widget) : QObject(widget), element_(element) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::HoverEnter:
                raise(&ElementEvents::pointer_entered,
                      point_of(static_cast<QHoverEvent*>(event)->position()));
                break;
            case QEvent::HoverMove:
                raise(&ElementEvents::pointer_moved,
                      point_of(static_cast<QHoverEvent*>(event)->position()));
                break;
            case QEvent::HoverLeave:
                raise(&ElementEvents::pointer_exited,
                      point_of(static_cast<QHoverEvent*>(event)->position()));
                break;
            case QEvent::MouseButtonPress:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressed_ = true;
                break;
            case QEvent::MouseButtonRelease: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() != Qt::LeftButton || !pressed_) break;
                pressed_ = false;
                const QWidget* widget = static_cast<QWidget*>(parent());
                if (widget->rect().contains(mouse->position().toPoint())) {
                    raise(&ElementEvents::tapped, point_of(mouse->position()));
                }
                break;
            }
            case QEvent::Resize: {
                // On a later turn: the widget's own layout places its
                // children after the filters have seen the event.
                const QSize size = static_cast<QResizeEvent*>(event)->size();
                post([weak = element_.weak_from_this(), size] {
                    if (auto self = weak.lock()) {
                        self->events().size_changed.raise(
                            *self, Size{double(size.width()), double(size.height())});
                    }
                });
                break;
            }
            default: break;
        }
        return false;
    }

private:
    void raise(Event<Element, Point> ElementEvents::*which, Point at) {
        // A handler may drop the last hold on the element; its widget is
        // still inside this event, so it goes on a later turn.
        std::shared_ptr<Element> keep = element_.weak_from_this().lock();
        (element_.events().*which).raise(element_, at);
        if (keep && keep.use_count() == 1) post([keep] {});
    }

    Element& element_;
    bool pressed_ = false;
};

}  // namespace

void NativeWidgetDeleter::operator()(NativeWidget* native) const { delete native; }

Element::Element() : Element(make_native(new QWidget)) {}

Element::Element(NativePtr native) : native_(std::move(native)) {}

Element::~Element() {
    // The watcher would raise events of an element half destroyed.
    if (native_) delete native_->watcher.data();
}

Size Element::actual_size() const {
    const QWidget* widget = widget_of(*this);
    if (!widget) return {};
    return {double(widget->width()), double(widget->height())};
}

ElementEvents& Element::events() {
    if (!events_) {
        events_ = std::make_unique<ElementEvents>();
        if (QWidget* widget = widget_of(*this)) {
            widget->setAttribute(Qt::WA_Hover, true);
            auto* watcher = new ElementWatcher(*this, widget);
            widget->installEventFilter(watcher);
            native_->watcher = watcher;
        }
    }
    return *events_;
}

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
        widget->setContentsMargins(to_pixels(margin.left), to_pixels(margin.top),
                                   to_pixels(margin.right), to_pixels(margin.bottom));
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

void Element::set_background(const Brush& brush) {
    background_ = brush;
    QWidget* widget = widget_of(*this);
    if (!widget) return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, qt_brush(brush));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Element::set_font(const FontSpec& wanted) {
    if (QWidget* widget = widget_of(*this)) widget->setFont(font_with(widget->font(), wanted));
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

void Element::set_tool_tip(std::wstring text) {
    tool_tip_ = std::move(text);
    if (QWidget* widget = widget_of(*this))
        widget->setToolTip(plain_tool_tip(to_qstring(tool_tip_)));
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
