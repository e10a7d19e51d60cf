#include "platform/qt/brushes.h"

#include <QLinearGradient>

namespace platform {

QColor qt_colour(const Color& colour) { return QColor(colour.r, colour.g, colour.b, colour.a); }

QBrush qt_brush(const Brush& brush) {
    if (const SolidColorBrush* solid = brush.solid()) return QBrush(qt_colour(solid->color));
    const LinearGradientBrush& gradient = *brush.gradient();
    QLinearGradient painted(gradient.start.x, gradient.start.y, gradient.end.x, gradient.end.y);
    painted.setCoordinateMode(QGradient::ObjectMode);
    for (const GradientStop& stop : gradient.stops)
        painted.setColorAt(stop.offset, qt_colour(stop.color));
    return QBrush(painted);
}

QString css_colour(const Color& colour) {
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(colour.r)
        .arg(colour.g)
        .arg(colour.b)
        .arg(colour.a);
}

QString css_brush(const Brush& brush) {
    if (const SolidColorBrush* solid = brush.solid()) return css_colour(solid->color);
    const LinearGradientBrush& gradient = *brush.gradient();
    QString css = QStringLiteral("qlineargradient(x1:%1, y1:%2, x2:%3, y2:%4")
                      .arg(gradient.start.x)
                      .arg(gradient.start.y)
                      .arg(gradient.end.x)
                      .arg(gradient.end.y);
    for (const GradientStop& stop : gradient.stops) {
        css += QStringLiteral(", stop:%1 %2").arg(stop.offset).arg(css_colour(stop.color));
    }
    return css + QLatin1Char(')');
}

}  // namespace platform
