// Printing and PDF files on Qt: the web engine prints the page to PDF, Qt PDF
// reads it back, and the chosen pages are drawn at 300 dpi onto a PDF writer
// or a printer, with the footer drawn as text over them. The web engine
// itself prints no header or footer.
#include "platform/document_output.h"

#include <QBuffer>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <QWebEnginePage>
#include <stdexcept>

#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "platform/web_view.h"

namespace platform {

namespace {

constexpr int print_dpi = 300;
constexpr double footer_points = 9.0;

QPageLayout qt_layout(const PageLayout& layout) {
    return QPageLayout(QPageSize(QSizeF(layout.width_in, layout.height_in), QPageSize::Inch),
                       layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(layout.left_in, layout.top_in, layout.right_in, layout.bottom_in), QPageLayout::Inch);
}

// A page of `size` points, full-page, turned when it is wider than high.
QPageLayout full_page_layout(QSizeF size) {
    const bool wide = size.width() > size.height();
    const QSizeF upright = wide ? size.transposed() : size;
    return QPageLayout(QPageSize(upright, QPageSize::Point), wide ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

// A PDF read back through Qt PDF; its bytes go through a temporary file,
// which loads synchronously.
class PdfPages {
public:
    explicit PdfPages(const PdfBytes& pdf) {
        if (!file_.open()) throw std::runtime_error("no temporary file for the PDF");
        const auto size = qint64(pdf.size());
        if (file_.write(reinterpret_cast<const char*>(pdf.data()), size) != size || !file_.flush()) {
            throw std::runtime_error("the PDF could not be written to a temporary file");
        }
        if (document_.load(file_.fileName()) != QPdfDocument::Error::None || document_.pageCount() <= 0) {
            throw std::runtime_error("the PDF could not be read");
        }
    }

    int count() const { return document_.pageCount(); }
    QSizeF point_size(int page) { return document_.pagePointSize(page - 1); }

    // The page over white, at the printing resolution.
    QImage image(int page) {
        const QSizeF points = point_size(page);
        const QSize pixels(int(points.width() / 72.0 * print_dpi + 0.5), int(points.height() / 72.0 * print_dpi + 0.5));
        const QImage rendered = document_.render(page - 1, pixels);
        if (rendered.isNull()) throw std::runtime_error("a PDF page could not be drawn");
        QImage flat(rendered.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, rendered);
        return flat;
    }

private:
    QTemporaryFile file_;
    QPdfDocument document_;
};

void draw_footer(QPainter& painter, const QRectF& page, const PageLayout& layout, const PageFooter& footer,
                 int number, int total) {
    const double dpi = painter.device()->logicalDpiY();
    const double unit = dpi;  // device pixels per inch
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
    const double baseline = page.bottom() - std::max(bottom_margin / 2.0 - metrics.height() / 2.0, metrics.descent()) -
                            metrics.descent();
    const QString numbers = QString::number(number) + QLatin1Char('/') + QString::number(total);
    const double numbers_width = metrics.horizontalAdvance(numbers);
    painter.drawText(QPointF(right - numbers_width, baseline), numbers);
    const double text_room = right - numbers_width - metrics.horizontalAdvance(QStringLiteral("    ")) - left;
    if (!footer.text.empty() && text_room > 0) {
        painter.drawText(QPointF(left, baseline),
                         metrics.elidedText(to_qstring(footer.text).simplified(), Qt::ElideRight, text_room));
    }
}

// Draws `pages` onto a paged device, each on a page of its own size. The
// device must accept a new page layout before each page.
bool draw_pages(QPagedPaintDevice& device, PdfPages& source, const std::vector<int>& pages, const PageLayout& layout,
                const PageFooter& footer) {
    QPainter painter;
    bool first = true;
    for (int page : pages) {
        if (page < 1 || page > source.count()) continue;
        device.setPageLayout(full_page_layout(source.point_size(page)));
        if (first) {
            if (!painter.begin(&device)) return false;
            first = false;
        } else if (!device.newPage()) {
            return false;
        }
        const QRectF target(0, 0, painter.device()->width(), painter.device()->height());
        painter.drawImage(target, source.image(page));
        if (footer.shown) draw_footer(painter, target, layout, footer, page, source.count());
    }
    if (first) return false;
    return painter.end();
}

class QtDocumentOutput final : public DocumentOutput {
public:
    explicit QtDocumentOutput(PrinterSource printers) : printers_(std::move(printers)) {}

    Task<PdfBytes> print_to_pdf(WebView& view, const PageLayout& layout) override {
        QWebEnginePage* page = page_of(view);
        if (!page) throw std::runtime_error("the print view is closed");
        TaskSource<PdfBytes> source;
        page->printToPdf(
            [source](const QByteArray& data) mutable {
                source.set_value(PdfBytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                          reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size()));
            },
            qt_layout(layout));
        return source.task();
    }

    int page_count(const PdfBytes& pdf) override { return PdfPages(pdf).count(); }

    PdfBytes compose(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                     const PageFooter& footer) override {
        PdfPages source(pdf);
        if (!footer.shown && every_page(pages, source.count())) return pdf;
        QByteArray out;
        {
            QBuffer buffer(&out);
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            writer.setResolution(print_dpi);
            writer.setCreator(QStringLiteral("Paperwright"));
            if (!draw_pages(writer, source, pages, layout, footer)) throw std::runtime_error("no page was drawn");
        }
        return PdfBytes(reinterpret_cast<const std::uint8_t*>(out.constData()),
                        reinterpret_cast<const std::uint8_t*>(out.constData()) + out.size());
    }

    PrintResult print(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                      const PageFooter& footer, int copies, const std::wstring& title) override {
        const PrinterChoice choice = printers_ ? printers_() : PrinterChoice{PrinterChoice::Kind::none, {}};
        std::unique_ptr<QPrinter> printer;
        switch (choice.kind) {
            case PrinterChoice::Kind::none:
                return PrintResult::no_printer;
            case PrinterChoice::Kind::system_default: {
                const QPrinterInfo info = QPrinterInfo::defaultPrinter();
                if (info.isNull() || info.state() == QPrinter::Error) return PrintResult::no_printer;
                printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
                break;
            }
            case PrinterChoice::Kind::pdf_file:
                printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(to_qstring(choice.pdf_path));
                break;
        }
        if (!printer->isValid()) return PrintResult::no_printer;
        printer->setResolution(print_dpi);
        printer->setFullPage(true);
        printer->setCopyCount(std::max(1, copies));
        printer->setDocName(to_qstring(title));
        PdfPages source(pdf);
        return draw_pages(*printer, source, pages, layout, footer) ? PrintResult::printed : PrintResult::failed;
    }

    std::wstring publish_pdf(PdfBytes pdf) override {
        const QString path = QStringLiteral("preview/%1.pdf").arg(++published_);
        serve_file(path, QByteArray(reinterpret_cast<const char*>(pdf.data()), qsizetype(pdf.size())),
                   QByteArrayLiteral("application/pdf"));
        return L"tembrick:" + from_qstring(path);
    }

    void open_file(const std::wstring& path) override {
        QDesktopServices::openUrl(QUrl::fromLocalFile(to_qstring(path)));
    }

    Task<std::optional<std::wstring>> pick_folder(const std::wstring& start) override {
        TaskSource<std::optional<std::wstring>> source;
        // Not modal through a nested loop: the answer arrives as a signal.
        auto* dialog = new QFileDialog(QApplication::activeWindow(), QString(), to_qstring(start));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
        dialog->setWindowModality(Qt::WindowModal);
        QObject::connect(dialog, &QFileDialog::fileSelected, [source](const QString& folder) mutable {
            source.set_value(from_qstring(folder));
        });
        QObject::connect(dialog, &QDialog::rejected, [source]() mutable { source.set_value(std::nullopt); });
        QObject::connect(dialog, &QObject::destroyed, [source]() mutable { source.set_value(std::nullopt); });
        dialog->open();
        return source.task();
    }

    std::wstring documents_folder() override {
        // A fresh account may have no documents folder yet; saving into it
        // would then fail, so it is made on first use.
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!folder.isEmpty()) QDir().mkpath(folder);
        return from_qstring(folder);
    }

private:
    static bool every_page(const std::vector<int>& pages, int count) {
        if (int(pages.size()) != count) return false;
        for (int i = 0; i < count; ++i) {
            if (pages[std::size_t(i)] != i + 1) return false;
        }
        return true;
    }

    PrinterSource printers_;
    int published_ = 0;
};

}  // namespace

PrinterSource default_printer_source() {
    return [] { return PrinterChoice{}; };
}

std::shared_ptr<DocumentOutput> make_document_output(PrinterSource printers) {
    return std::make_shared<QtDocumentOutput>(std::move(printers));
}

}  // namespace platform
