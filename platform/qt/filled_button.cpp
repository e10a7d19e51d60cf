#include "platform/filled_button.h"

#include <QToolButton>

#include "platform/qt/brushes.h"
#include "platform/qt/native_widget.h"

namespace platform {

void set_filled(AppBarButton& button, const Brush& background, Color hover, Color foreground,
                double corner_radius) {
    auto* widget = static_cast<QToolButton*>(widget_of(button));
    if (!widget) return;
    widget->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const int radius = corner_radius > 0 ? int(corner_radius + 0.5) : 0;
    widget->setStyleSheet(
        QStringLiteral(
            "QToolButton { background: %1; color: %2; border: none; border-radius: %3px; "
            "font-weight: 600; padding: 6px 12px; }"
            " QToolButton:hover, QToolButton:pressed { background: %4; }")
            .arg(css_brush(background))
            .arg(css_colour(foreground))
            .arg(radius)
            .arg(css_colour(hover)));
}

}  // namespace platform
