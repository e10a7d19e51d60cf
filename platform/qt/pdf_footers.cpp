#include "platform/qt/pdf_footers.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <stdexcept>

#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

constexpr double footer_points = 9.0;

// A page of `points`, full-page, turned when it is wider than high, so the
// footer page has the MediaBox of the page it goes over.
QPageLayout full_page_layout(QSizeF points) {
    const bool wide = points.width() > points.height();
    const QSizeF upright = wide ? points.transposed() : points;
    return QPageLayout(QPageSize(upright, QPageSize::Point, QString(), QPageSize::ExactMatch),
                       wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

void draw_footer(QPainter& painter, const QRectF& page, const PageLayout& layout,
                 const PageFooter& footer, int number, int total) {
    const double unit = painter.device()->logicalDpiY();  // device pixels per inch
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(footer_points);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const double left = page.left() + layout.left_in * unit;
    const double right = page.right() - layout.right_in * unit;
    // The middle of the bottom margin, or just above the edge when it is
    // narrower than a line.
    const double bottom_margin = layout.bottom_in * unit;
    const double baseline =
        page.bottom() - std::max(bottom_margin / 2.0 - metrics.height() / 2.0, metrics.descent()) -
        metrics.descent();
    const QString numbers = QString::number(number) + QLatin1Char('/') + QString::number(total);
    const double numbers_width = metrics.horizontalAdvance(numbers);
    painter.drawText(QPointF(right - numbers_width, baseline), numbers);
    const double text_room =
        right - numbers_width - metrics.horizontalAdvance(QStringLiteral("    ")) - left;
    if (!footer.text.empty() && text_room > 0) {
        painter.drawText(
            QPointF(left, baseline),
            metrics.elidedText(to_qstring(footer.text).simplified(), Qt::ElideRight, text_room));
    }
}

}  // namespace

QByteArray footer_pages_pdf(const std::vector<FooterPage>& pages, int total,
                            const PageLayout& layout, const PageFooter& footer) {
    if (pages.empty()) throw std::runtime_error("no footer page to draw");
    QByteArray out;
    {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            writer.setPageLayout(full_page_layout(QSizeF(pages[i].width_pt, pages[i].height_pt)));
            if (i == 0 ? !painter.begin(&writer) : !writer.newPage()) {
                throw std::runtime_error("a footer page could not be drawn");
            }
            draw_footer(painter, QRectF(0, 0, writer.width(), writer.height()), layout, footer,
                        pages[i].number, total);
        }
        if (!painter.end()) throw std::runtime_error("the footer pages could not be finished");
    }
    return out;
}

}  // namespace platform
