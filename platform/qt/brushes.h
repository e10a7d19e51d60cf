// Colours and brushes as Qt paints them: in a palette, or in a style sheet.
#pragma once

#include <QBrush>
#include <QColor>
#include <QString>

#include "platform/style.h"

namespace platform {

QColor qt_colour(const Color& colour);
// A gradient spans the box it fills (object mode).
QBrush qt_brush(const Brush& brush);
// "rgba(r,g,b,a)", or "qlineargradient(...)" over the styled box.
QString css_colour(const Color& colour);
QString css_brush(const Brush& brush);

}  // namespace platform
