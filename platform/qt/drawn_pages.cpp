#include "platform/qt/drawn_pages.h"

#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryFile>
#include <algorithm>

#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

// Never coarser than the 300 dpi such prints always had, and no finer than
// a page image can be held in memory.
constexpr int least_print_dpi = 300;
constexpr int most_print_dpi = 600;

// A page of `size` points, full-page, turned when it is wider than high.
QPageLayout full_page_layout(QSizeF size) {
    const bool wide = size.width() > size.height();
    const QSizeF upright = wide ? size.transposed() : size;
    return QPageLayout(QPageSize(upright, QPageSize::Point),
                       wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

// Draws every page of `pdf` onto the printer, each as a picture at `dpi`
// over white.
bool draw_pages(QPrinter& printer, const PdfBytes& pdf, int dpi) {
    // Qt PDF loads a file synchronously.
    QTemporaryFile file;
    const QByteArray bytes(reinterpret_cast<const char*>(pdf.data()), qsizetype(pdf.size()));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) return false;
    QPdfDocument document;
    if (document.load(file.fileName()) != QPdfDocument::Error::None || document.pageCount() <= 0)
        return false;
    QPainter painter;
    for (int page = 0; page < document.pageCount(); ++page) {
        const QSizeF points = document.pagePointSize(page);
        printer.setPageLayout(full_page_layout(points));
        if (page == 0 ? !painter.begin(&printer) : !printer.newPage()) return false;
        const QSize pixels(int(points.width() / 72.0 * dpi + 0.5),
                           int(points.height() / 72.0 * dpi + 0.5));
        const QImage rendered = document.render(page, pixels);
        if (rendered.isNull()) return false;
        QImage flat(rendered.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, rendered);
        painter.drawImage(QRectF(0, 0, painter.device()->width(), painter.device()->height()),
                          flat);
    }
    return painter.end();
}

}  // namespace

bool print_drawn_pages(std::unique_ptr<QPrinter> printer, const PdfBytes& pdf, int copies,
                       const std::wstring& title) {
    if (!printer->isValid()) return false;
    const int dpi = std::clamp(printer->resolution(), least_print_dpi, most_print_dpi);
    printer->setResolution(dpi);
    printer->setFullPage(true);
    printer->setCopyCount(copies);
    printer->setDocName(to_qstring(title));
    return draw_pages(*printer, pdf, dpi);
}

}  // namespace platform
