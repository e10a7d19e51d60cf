// The queues a print can go to: the system's default CUPS queue, and a PDF
// file that stands in for a printer in tests.
#include <QFile>
#include <QPrinterInfo>

#include "platform/document_output.h"
#include "platform/qt/cups_job.h"
#include "platform/qt/drawn_pages.h"
#include "platform/qt/pdf_composer.h"
#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

// The default queue as it is when asked; a job goes to the queue the last
// status named, so a default changed in between does not split one print.
class DefaultCupsQueue final : public PrintDestination {
public:
    PrinterStatus status() override {
        const CupsQueue queue = cups_queue({});
        name_ = queue.name;
        return queue.status;
    }
    bool print_pdf(const PdfBytes& pdf, int copies, const std::wstring& title) override {
        if (name_.empty()) status();
        if (name_.empty()) return false;
        // Every page of a print has the document's paper.
        PdfComposer pages(pdf);
        const JobPaper paper{pages.page_width(1), pages.page_height(1)};
        return print_pdf_on_cups_queue(name_, pdf, copies, to_qstring(title).toStdString(), paper);
    }
    bool print_drawn(const PdfBytes& pdf, int copies, const std::wstring& title) override {
        if (name_.empty()) status();
        const QPrinterInfo printer = QPrinterInfo::printerInfo(QString::fromStdString(name_));
        if (name_.empty() || printer.isNull()) return false;
        return print_drawn_pages(std::make_unique<QPrinter>(printer, QPrinter::HighResolution), pdf,
                                 copies, title);
    }

private:
    std::string name_;
};

class PdfFileQueue final : public PrintDestination {
public:
    PdfFileQueue(std::wstring path, bool takes_pdf) : path_(std::move(path)) {
        status_.takes_pdf = takes_pdf;
    }
    PrinterStatus status() override { return status_; }
    bool print_pdf(const PdfBytes& pdf, int, const std::wstring&) override {
        QFile file(to_qstring(path_));
        const QByteArray bytes(reinterpret_cast<const char*>(pdf.data()), qsizetype(pdf.size()));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }
    bool print_drawn(const PdfBytes& pdf, int copies, const std::wstring& title) override {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(to_qstring(path_));
        return print_drawn_pages(std::move(printer), pdf, copies, title);
    }

private:
    std::wstring path_;
    PrinterStatus status_;
};

}  // namespace

PrinterSource default_printer_source() {
    return [] { return std::make_shared<DefaultCupsQueue>(); };
}

std::shared_ptr<PrintDestination> pdf_file_destination(std::wstring path, bool takes_pdf) {
    return std::make_shared<PdfFileQueue>(std::move(path), takes_pdf);
}

}  // namespace platform
