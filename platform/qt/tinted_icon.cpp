#include "platform/qt/tinted_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "platform/qt/qstring_conversion.h"

namespace platform {

QIcon tinted_icon(const std::wstring& path, const Color& colour) {
    const QImage shape = path.empty() ? QImage() : QImage(to_qstring(path));
    if (shape.isNull()) return QIcon();
    QImage painted = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&painted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(painted.rect(), QColor(colour.r, colour.g, colour.b, colour.a));
    painter.end();
    return QIcon(QPixmap::fromImage(painted));
}

}  // namespace platform
