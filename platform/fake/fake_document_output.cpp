#include "platform/fake/fake_document_output.h"

#include <stdexcept>

namespace platform {

Task<PdfBytes> FakeDocumentOutput::print_to_pdf(WebView&, const PageLayout& layout) {
    pdf_layouts.push_back(layout);
    pdf_waiting_.emplace_back();
    return pdf_waiting_.back().task();
}

int FakeDocumentOutput::page_count(const PdfBytes&) { return pages; }

PdfBytes FakeDocumentOutput::compose(const PdfBytes& pdf, const std::vector<int>& chosen,
                                     const PageLayout&, const PageFooter& footer,
                                     const PdfInfo& info) {
    if (compose_fails) throw std::runtime_error("the PDF could not be read");
    composed.push_back({chosen, footer, info});
    return pdf;
}

PrintResult FakeDocumentOutput::print(const PdfBytes&, const std::vector<int>& chosen,
                                      const PageLayout&, const PageFooter& footer, int copies,
                                      const PdfInfo& info) {
    printed.push_back({chosen, footer, copies, info.title});
    return print_result;
}

std::wstring FakeDocumentOutput::publish_pdf(PdfBytes pdf) {
    published.push_back(std::move(pdf));
    return L"tembrick:preview/" + std::to_wstring(published.size()) + L".pdf";
}

Task<bool> FakeDocumentOutput::open_file(const std::wstring& path) {
    opened.push_back(path);
    TaskSource<bool> source;
    source.set_value(true);
    return source.task();
}

Task<std::optional<std::wstring>> FakeDocumentOutput::pick_folder(const std::wstring& start) {
    folder_starts.push_back(start);
    folder_waiting_.emplace_back();
    return folder_waiting_.back().task();
}

Task<std::optional<std::wstring>> FakeDocumentOutput::pick_image_file(
    const std::vector<std::wstring>& extensions) {
    image_file_extensions.push_back(extensions);
    image_file_waiting_.emplace_back();
    return image_file_waiting_.back().task();
}

void FakeDocumentOutput::answer_pdf(PdfBytes bytes) {
    if (pdf_waiting_.empty()) throw std::logic_error("no PDF is waiting");
    auto next = pdf_waiting_.front();
    pdf_waiting_.erase(pdf_waiting_.begin());
    next.set_value(std::move(bytes));
}

void FakeDocumentOutput::answer_folder(std::optional<std::wstring> folder) {
    if (folder_waiting_.empty()) throw std::logic_error("no folder choice is waiting");
    auto next = folder_waiting_.front();
    folder_waiting_.erase(folder_waiting_.begin());
    next.set_value(std::move(folder));
}

void FakeDocumentOutput::answer_image_file(std::optional<std::wstring> file) {
    if (image_file_waiting_.empty()) throw std::logic_error("no image file choice is waiting");
    auto next = image_file_waiting_.front();
    image_file_waiting_.erase(image_file_waiting_.begin());
    next.set_value(std::move(file));
}

}  // namespace platform
