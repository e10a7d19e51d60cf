// Printing and PDF files on Qt: the web engine prints the page to PDF, qpdf
// keeps the chosen pages and lays a PDF of footers, drawn by Qt, over them,
// so every page stays text. The printer gets that PDF through CUPS; only a
// queue that takes no PDF gets pages drawn by Qt PDF. The web engine itself
// prints no header or footer.
#include "platform/document_output.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWebEnginePage>
#include <algorithm>
#include <stdexcept>

#include "platform/interface_language.h"
#include "platform/qt/cups_job.h"
#include "platform/qt/pdf_composer.h"
#include "platform/qt/pdf_footers.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "platform/qt/system_opener.h"
#include "platform/web_view.h"

namespace platform {

namespace {

// Pages drawn for a printer that takes no PDF: at its own resolution, never
// coarser than the 300 dpi such prints always had, and no finer than a page
// image can be held in memory.
constexpr int least_print_dpi = 300;
constexpr int most_print_dpi = 600;

QPageLayout qt_layout(const PageLayout& layout) {
    return QPageLayout(QPageSize(QSizeF(layout.width_in, layout.height_in), QPageSize::Inch),
                       layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(layout.left_in, layout.top_in, layout.right_in, layout.bottom_in),
                       QPageLayout::Inch);
}

// A page of `size` points, full-page, turned when it is wider than high.
QPageLayout full_page_layout(QSizeF size) {
    const bool wide = size.width() > size.height();
    const QSizeF upright = wide ? size.transposed() : size;
    return QPageLayout(QPageSize(upright, QPageSize::Point),
                       wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

QByteArray byte_array(const PdfBytes& pdf) {
    return QByteArray(reinterpret_cast<const char*>(pdf.data()), qsizetype(pdf.size()));
}

// Draws every page of `pdf` onto the printer, each as a picture at `dpi`
// over white.
bool draw_pages(QPrinter& printer, const PdfBytes& pdf, int dpi) {
    // Qt PDF loads a file synchronously.
    QTemporaryFile file;
    const QByteArray bytes = byte_array(pdf);
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

PrintResult print_drawn(std::unique_ptr<QPrinter> printer, const PdfBytes& pdf, int copies,
                        const std::wstring& title) {
    if (!printer->isValid()) return PrintResult::no_printer;
    const int dpi = std::clamp(printer->resolution(), least_print_dpi, most_print_dpi);
    printer->setResolution(dpi);
    printer->setFullPage(true);
    printer->setCopyCount(copies);
    printer->setDocName(to_qstring(title));
    return draw_pages(*printer, pdf, dpi) ? PrintResult::printed : PrintResult::failed;
}

// The path a file dialog answers; nullopt when it is cancelled or destroyed.
// Not modal through a nested loop: the answer arrives as a signal.
Task<std::optional<std::wstring>> chosen_path(QFileDialog* dialog) {
    TaskSource<std::optional<std::wstring>> source;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::fileSelected, [source](const QString& path) mutable {
        source.set_value(from_qstring(path));
    });
    QObject::connect(dialog, &QDialog::rejected,
                     [source]() mutable { source.set_value(std::nullopt); });
    QObject::connect(dialog, &QObject::destroyed,
                     [source]() mutable { source.set_value(std::nullopt); });
    dialog->open();
    return source.task();
}

// File names are case-sensitive here: "*.png" would hide "LOGO.PNG".
QString any_case_name_filter(const std::vector<std::wstring>& extensions) {
    QStringList patterns;
    for (const std::wstring& extension : extensions) {
        QString pattern = QStringLiteral("*");
        for (const QChar c : to_qstring(extension)) {
            const QChar lower = c.toLower(), upper = c.toUpper();
            pattern += lower == upper ? QString(c) : QStringLiteral("[%1%2]").arg(lower, upper);
        }
        patterns << pattern;
    }
    return QStringLiteral("%1 (%2)").arg(to_qstring(interface_texts().images),
                                         patterns.join(QLatin1Char(' ')));
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
                source.set_value(PdfBytes(
                    reinterpret_cast<const std::uint8_t*>(data.constData()),
                    reinterpret_cast<const std::uint8_t*>(data.constData()) + data.size()));
            },
            qt_layout(layout));
        return source.task();
    }

    int page_count(const PdfBytes& pdf) override { return PdfComposer(pdf).page_count(); }

    PdfBytes compose(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                     const PageFooter& footer, const PdfInfo& info) override {
        PdfComposer composer(pdf);
        const int total = composer.page_count();
        std::vector<FooterPage> footers;
        for (int number = 1; number <= total; ++number) {
            if (std::find(pages.begin(), pages.end(), number) == pages.end()) continue;
            footers.push_back({composer.page_width(number), composer.page_height(number), number});
        }
        composer.keep_only(pages);
        if (footer.shown) {
            const QByteArray drawn = footer_pages_pdf(footers, total, layout, footer);
            composer.overlay(drawn.toStdString());
        }
        composer.set_info(info);
        return composer.write();
    }

    PrintResult print(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                      const PageFooter& footer, int copies, const PdfInfo& info) override {
        const PrinterChoice choice =
            printers_ ? printers_() : PrinterChoice{PrinterChoice::Kind::none, {}, true};
        if (choice.kind == PrinterChoice::Kind::none) return PrintResult::no_printer;
        const PdfBytes job = compose(pdf, pages, layout, footer, info);
        copies = std::max(1, copies);
        if (choice.kind == PrinterChoice::Kind::pdf_file) {
            if (choice.takes_pdf)
                return write_job(choice.pdf_path, job) ? PrintResult::printed : PrintResult::failed;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(to_qstring(choice.pdf_path));
            return print_drawn(std::move(printer), job, copies, info.title);
        }
        switch (
            print_pdf_on_default_destination(job, copies, to_qstring(info.title).toStdString())) {
            case CupsOutcome::sent: return PrintResult::printed;
            case CupsOutcome::no_printer: return PrintResult::no_printer;
            case CupsOutcome::failed: return PrintResult::failed;
            case CupsOutcome::no_pdf: break;
        }
        const QPrinterInfo printer_info = QPrinterInfo::defaultPrinter();
        if (printer_info.isNull() || printer_info.state() == QPrinter::Error)
            return PrintResult::no_printer;
        return print_drawn(std::make_unique<QPrinter>(printer_info, QPrinter::HighResolution), job,
                           copies, info.title);
    }

    std::wstring publish_pdf(PdfBytes pdf) override {
        const QString path = QStringLiteral("preview/%1.pdf").arg(++published_);
        serve_file(path, byte_array(pdf), QByteArrayLiteral("application/pdf"));
        return L"tembrick:" + from_qstring(path);
    }

    Task<bool> open_file(const std::wstring& path) override { return open_with_desktop(path); }

    Task<std::optional<std::wstring>> pick_folder(const std::wstring& start) override {
        // A folder removed since it was chosen opens at what is left of it.
        QString folder = to_qstring(start);
        while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
            const QString parent = QFileInfo(folder).path();
            if (parent == folder) break;
            folder = parent;
        }
        auto* dialog = new QFileDialog(QApplication::activeWindow(), QString(), folder);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
        return chosen_path(dialog);
    }

    Task<std::optional<std::wstring>> pick_image_file(
        const std::vector<std::wstring>& extensions) override {
        auto* dialog = new QFileDialog(QApplication::activeWindow());
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(any_case_name_filter(extensions));
        // The patterns spell every letter case: the label says enough.
        dialog->setOption(QFileDialog::HideNameFilterDetails, true);
        return chosen_path(dialog);
    }

    std::wstring documents_folder() override {
        // A fresh account may have no documents folder yet; saving into it
        // would then fail, so it is made on first use.
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!folder.isEmpty()) QDir().mkpath(folder);
        return from_qstring(folder);
    }

private:
    static bool write_job(const std::wstring& path, const PdfBytes& job) {
        QFile file(to_qstring(path));
        const QByteArray bytes = byte_array(job);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
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
