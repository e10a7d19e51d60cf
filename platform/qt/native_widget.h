// The Qt widget behind an element. The element owns it: the widget is
// deleted with the element, whichever Qt parent it has at that moment.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/element.h"
#include "platform/window.h"

namespace platform {

struct NativeWidget {
    explicit NativeWidget(QWidget* owned) : widget(owned) {}
    ~NativeWidget() { delete widget.data(); }
    NativeWidget(const NativeWidget&) = delete;
    NativeWidget& operator=(const NativeWidget&) = delete;

    QPointer<QWidget> widget;
    // Raises the element's pointer and size events; made on first use.
    QPointer<QObject> watcher;
};

inline NativePtr make_native(QWidget* owned) { return NativePtr(new NativeWidget(owned)); }

inline QWidget* widget_of(const Element& element) { return element.native().widget.data(); }

inline QWidget* widget_of(const Window& window) { return window.native().widget.data(); }

}  // namespace platform
