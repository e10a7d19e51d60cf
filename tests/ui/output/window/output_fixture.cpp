#include "window/output_fixture.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace output_test {

platform::PdfBytes text_pages(int count) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        for (int page = 1; page <= count; ++page) {
            if (page > 1) writer.newPage();
            painter.drawText(QPointF(1000, 1000), QStringLiteral("Body of page %1").arg(page));
        }
    }
    return platform::PdfBytes(bytes.begin(), bytes.end());
}

}  // namespace output_test
