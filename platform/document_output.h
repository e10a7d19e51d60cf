// What printing and saving ask of the machine: a print of a web view's page
// as PDF, chosen pages of it with a footer laid over them, the printer, the
// document view's access to a PDF, opening a saved file and choosing a folder
// or an image file.
//
// PDF bytes are plain byte vectors; pages are counted from 1. Everything
// runs on the UI thread; the tasks resume there. Failures throw
// std::runtime_error unless a result says otherwise.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/page_layout.h"
#include "platform/print_destination.h"
#include "platform/task.h"

namespace platform {

class WebView;

// Drawn in the bottom margin of every page: the text at the left and
// "n/N" at the right, numbered as in the whole document.
struct PageFooter {
    bool shown = false;
    std::wstring text;
};

// What a PDF says about itself.
struct PdfInfo {
    std::wstring title;
    std::wstring producer;
};

// The queue a print goes to, asked for at every print; null when there is
// none at all.
using PrinterSource = std::function<std::shared_ptr<PrintDestination>()>;

enum class PrintResult { printed, no_printer, failed };

class DocumentOutput {
public:
    virtual ~DocumentOutput() = default;

    // Every page of the view's current page, laid out as given. An empty
    // result means the view made no PDF.
    virtual Task<PdfBytes> print_to_pdf(WebView& view, const PageLayout& layout) = 0;
    virtual int page_count(const PdfBytes& pdf) = 0;
    // A PDF of `pages` (ascending) of `pdf`, each with the footer laid over
    // it, still text. Throws when `pdf` is damaged or names none of them.
    virtual PdfBytes compose(const PdfBytes& pdf, const std::vector<int>& pages,
                             const PageLayout& layout, const PageFooter& footer,
                             const PdfInfo& info) = 0;
    // What the queue a print would go to says of itself now.
    virtual PrinterStatus printer_status() = 0;
    // Prints `pages` of `pdf` as `compose` makes them, as a job named after
    // the title, on the queue the source names: as PDF when it has a driver
    // and takes PDF, else drawn. No job goes to a queue that is not
    // available.
    virtual PrintResult print(const PdfBytes& pdf, const std::vector<int>& pages,
                              const PageLayout& layout, const PageFooter& footer, int copies,
                              const PdfInfo& info) = 0;
    // An address under which the web views show `pdf`; a new one per call.
    virtual std::wstring publish_pdf(PdfBytes pdf) = 0;
    // Opens a saved file in the application the system has for it; answers
    // whether that worked (false when no program could open it).
    virtual Task<bool> open_file(const std::wstring& path) = 0;
    // The user's choice of folder, the dialog opening at `start` (or at the
    // nearest folder above it that is there); nullopt when cancelled.
    virtual Task<std::optional<std::wstring>> pick_folder(const std::wstring& start) = 0;
    // The user's choice of one existing file whose extension is one of
    // `extensions` (".png"), in any letter case; nullopt when cancelled.
    virtual Task<std::optional<std::wstring>> pick_image_file(
        const std::vector<std::wstring>& extensions) = 0;
    // Where a file goes when no folder was chosen; made when missing.
    virtual std::wstring documents_folder() = 0;
};

PrinterSource default_printer_source();
// A PDF file that takes a printer's jobs (tests): the PDF itself, or the
// pages as drawn for a printer that reads none.
std::shared_ptr<PrintDestination> pdf_file_destination(std::wstring path, bool takes_pdf);
std::shared_ptr<DocumentOutput> make_document_output(
    PrinterSource printers = default_printer_source());

}  // namespace platform
