#include "platform/qt/pdf_composer.h"

#include <algorithm>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>

#include "platform/qt/qstring_conversion.h"

namespace platform {

namespace {

std::unique_ptr<QPDF> open_pdf(const std::string& bytes, const char* name) {
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    pdf->setAttemptRecovery(false);
    pdf->processMemoryFile(name, bytes.data(), bytes.size());
    if (pdf->anyWarnings()) throw std::runtime_error(std::string(name) + " is damaged");
    return pdf;
}

QPDFObjectHandle::Rectangle media_box(QPDFPageObjectHelper page) {
    QPDFObjectHandle box = page.getMediaBox();
    if (!box.isRectangle()) throw std::runtime_error("a page has no MediaBox");
    return box.getArrayAsRectangle();
}

QPDFPageObjectHelper page_of(QPDF& pdf, int number) {
    const auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
    if (number < 1 || number > int(pages.size())) throw std::out_of_range("no such page");
    return pages[std::size_t(number - 1)];
}

// The page's resources as a dictionary of its own, so a name added to them
// reaches no other page that shared them.
QPDFObjectHandle own_xobjects(QPDFPageObjectHelper& page, QPDFObjectHandle& resources) {
    QPDFObjectHandle inherited = page.getAttribute("/Resources", false);
    resources =
        inherited.isDictionary() ? inherited.shallowCopy() : QPDFObjectHandle::newDictionary();
    QPDFObjectHandle xobjects = resources.getKey("/XObject");
    xobjects = xobjects.isDictionary() ? xobjects.shallowCopy() : QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", xobjects);
    page.getObjectHandle().replaceKey("/Resources", resources);
    return xobjects;
}

}  // namespace

PdfComposer::PdfComposer(const PdfBytes& pdf)
    : source_(pdf.begin(), pdf.end()), pdf_(open_pdf(source_, "the printed PDF")) {}

PdfComposer::~PdfComposer() = default;

int PdfComposer::page_count() { return int(QPDFPageDocumentHelper(*pdf_).getAllPages().size()); }

double PdfComposer::page_width(int number) {
    const auto box = media_box(page_of(*pdf_, number));
    return box.urx - box.llx;
}

double PdfComposer::page_height(int number) {
    const auto box = media_box(page_of(*pdf_, number));
    return box.ury - box.lly;
}

void PdfComposer::keep_only(const std::vector<int>& pages) {
    QPDFPageDocumentHelper document(*pdf_);
    const auto all = document.getAllPages();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (std::find(pages.begin(), pages.end(), int(i + 1)) == pages.end()) {
            document.removePage(all[i]);
        } else {
            ++kept;
        }
    }
    if (kept == 0) throw std::runtime_error("none of the chosen pages is in the PDF");
}

void PdfComposer::overlay(std::string overlay) {
    overlay_source_ = std::move(overlay);
    overlay_pdf_ = open_pdf(overlay_source_, "the footer PDF");
    const auto pages = QPDFPageDocumentHelper(*pdf_).getAllPages();
    const auto over = QPDFPageDocumentHelper(*overlay_pdf_).getAllPages();
    if (over.size() != pages.size())
        throw std::runtime_error("the footer PDF has a page too many or too few");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QPDFPageObjectHelper page = pages[i];
        QPDFObjectHandle form =
            pdf_->copyForeignObject(QPDFPageObjectHelper(over[i]).getFormXObjectForPage());
        QPDFObjectHandle resources;
        QPDFObjectHandle xobjects = own_xobjects(page, resources);
        int suffix = 0;
        const std::string name = resources.getUniqueResourceName("/Fx", suffix);
        xobjects.replaceKey(name, form);
        const std::string place =
            page.placeFormXObject(form, name, media_box(page), true, true, false);
        // The page's own drawing may leave its graphics state changed; the
        // footer starts from the page's initial one.
        page.addPageContents(pdf_->newStream("q\n"), true);
        page.addPageContents(pdf_->newStream("\nQ\n" + place), false);
    }
}

void PdfComposer::set_info(const PdfInfo& info) {
    QPDFObjectHandle trailer = pdf_->getTrailer();
    QPDFObjectHandle fresh = QPDFObjectHandle::newDictionary();
    QPDFObjectHandle old = trailer.getKey("/Info");
    if (old.isDictionary() && old.getKey("/CreationDate").isString()) {
        fresh.replaceKey("/CreationDate", old.getKey("/CreationDate"));
    }
    fresh.replaceKey("/Title",
                     QPDFObjectHandle::newUnicodeString(to_qstring(info.title).toStdString()));
    fresh.replaceKey("/Producer",
                     QPDFObjectHandle::newUnicodeString(to_qstring(info.producer).toStdString()));
    trailer.replaceKey("/Info", pdf_->makeIndirectObject(fresh));
    // A metadata stream would be read before the dictionary and name the
    // web engine instead.
    pdf_->getRoot().removeKey("/Metadata");
}

PdfBytes PdfComposer::write() {
    QPDFWriter writer(*pdf_);
    writer.setOutputMemory();
    writer.setObjectStreamMode(qpdf_o_generate);
    writer.write();
    if (pdf_->anyWarnings() || (overlay_pdf_ && overlay_pdf_->anyWarnings())) {
        throw std::runtime_error("the PDF could not be written whole");
    }
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    const unsigned char* bytes = buffer->getBuffer();
    return PdfBytes(bytes, bytes + buffer->getSize());
}

}  // namespace platform
