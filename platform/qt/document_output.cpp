// Printing and PDF files on Qt: the web engine prints the page to PDF, qpdf
// keeps the chosen pages and lays a PDF of footers, drawn by Qt, over them,
// so every page stays text. The printer gets that PDF; a queue that takes
// no PDF, or has no driver, gets the pages drawn. The web engine itself
// prints no header or footer.
#include "platform/document_output.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageLayout>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEnginePage>
#include <algorithm>
#include <stdexcept>

#include "platform/interface_language.h"
#include "platform/qt/pdf_composer.h"
#include "platform/qt/pdf_footers.h"
#include "platform/qt/qstring_conversion.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/served_files.h"
#include "platform/qt/system_opener.h"
#include "platform/web_view.h"

namespace platform {

namespace {

// The web engine never answered a second print asked for during one; should
// a print go unanswered all the same, it fails after this long, so the run
// that waits for it ends.
constexpr int print_answer_bound_ms = 120000;

QPageLayout qt_layout(const PageLayout& layout) {
    return QPageLayout(QPageSize(QSizeF(layout.width_in, layout.height_in), QPageSize::Inch),
                       layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(layout.left_in, layout.top_in, layout.right_in, layout.bottom_in),
                       QPageLayout::Inch);
}

QByteArray byte_array(const PdfBytes& pdf) {
    return QByteArray(reinterpret_cast<const char*>(pdf.data()), qsizetype(pdf.size()));
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
        QTimer::singleShot(print_answer_bound_ms, page, [source]() mutable {
            source.set_error(
                std::make_exception_ptr(std::runtime_error("the web engine made no PDF")));
        });
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

    PrinterStatus printer_status() override {
        const auto destination = printers_ ? printers_() : nullptr;
        if (destination) return destination->status();
        PrinterStatus none;
        none.present = false;
        return none;
    }

    PrintResult print(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                      const PageFooter& footer, int copies, const PdfInfo& info) override {
        const auto destination = printers_ ? printers_() : nullptr;
        if (!destination) return PrintResult::no_printer;
        const PrinterStatus status = destination->status();
        if (!status.available()) return PrintResult::no_printer;
        const PdfBytes job = compose(pdf, pages, layout, footer, info);
        copies = std::max(1, copies);
        // A queue without a driver would hand the PDF to the device as it is.
        const bool sent = status.has_driver && status.takes_pdf
                              ? destination->print_pdf(job, copies, info.title)
                              : destination->print_drawn(job, copies, info.title);
        return sent ? PrintResult::printed : PrintResult::failed;
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
    PrinterSource printers_;
    int published_ = 0;
};

}  // namespace

std::shared_ptr<DocumentOutput> make_document_output(PrinterSource printers) {
    return std::make_shared<QtDocumentOutput>(std::move(printers));
}

}  // namespace platform
