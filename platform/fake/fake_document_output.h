// Document output for tests: PDFs are tasks the test completes, printing and
// the folder picker answer what the test sets, and every call is recorded.
#pragma once

#include <string>
#include <vector>

#include "platform/document_output.h"

namespace platform {

class FakeDocumentOutput final : public DocumentOutput {
public:
    Task<PdfBytes> print_to_pdf(WebView& view, const PageLayout& layout) override;
    int page_count(const PdfBytes& pdf) override;
    PdfBytes compose(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                     const PageFooter& footer, const PdfInfo& info) override;
    PrinterStatus printer_status() override { return printer; }
    PrintResult print(const PdfBytes& pdf, const std::vector<int>& pages, const PageLayout& layout,
                      const PageFooter& footer, int copies, const PdfInfo& info) override;
    std::wstring publish_pdf(PdfBytes pdf) override;
    Task<bool> open_file(const std::wstring& path) override;
    Task<std::optional<std::wstring>> pick_folder(const std::wstring& start) override;
    Task<std::optional<std::wstring>> pick_image_file(
        const std::vector<std::wstring>& extensions) override;
    std::wstring documents_folder() override { return documents; }

    // Completes the oldest PDF still waiting; empty bytes are a failed print.
    void answer_pdf(PdfBytes bytes = {'%', 'P', 'D', 'F'});
    void answer_folder(std::optional<std::wstring> folder);
    void answer_image_file(std::optional<std::wstring> file);
    std::size_t image_files_waiting() const { return image_file_waiting_.size(); }
    std::size_t pdfs_waiting() const { return pdf_waiting_.size(); }

    int pages = 3;  // what page_count answers
    bool compose_fails = false;
    PrinterStatus printer;  // what printer_status answers
    PrintResult print_result = PrintResult::printed;
    std::wstring documents;

    std::vector<PageLayout> pdf_layouts;
    struct Composed {
        std::vector<int> pages;
        PageFooter footer;
        PdfInfo info;
    };
    std::vector<Composed> composed;
    struct Printed {
        std::vector<int> pages;
        PageFooter footer;
        int copies;
        std::wstring title;
    };
    std::vector<Printed> printed;
    std::vector<PdfBytes> published;
    std::vector<std::wstring> opened;
    std::vector<std::wstring> folder_starts;
    std::vector<std::vector<std::wstring>> image_file_extensions;

private:
    std::vector<TaskSource<PdfBytes>> pdf_waiting_;
    std::vector<TaskSource<std::optional<std::wstring>>> folder_waiting_;
    std::vector<TaskSource<std::optional<std::wstring>>> image_file_waiting_;
};

}  // namespace platform
