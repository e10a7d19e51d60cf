// Chosen pages of a PDF, each with a page of another PDF laid over it,
// written again with qpdf: the pages keep their text and fonts, nothing is
// drawn as a picture. Any damage qpdf meets, even one it could mend, throws
// std::runtime_error, so a broken print never becomes a file.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/document_output.h"

class QPDF;

namespace platform {

class PdfComposer {
public:
    explicit PdfComposer(const PdfBytes& pdf);
    ~PdfComposer();
    PdfComposer(const PdfComposer&) = delete;
    PdfComposer& operator=(const PdfComposer&) = delete;

    int page_count();
    // The MediaBox of page `number` (counted from 1) in points.
    double page_width(int number);
    double page_height(int number);

    // Drops every page whose number is not in `pages`; throws when none
    // is left.
    void keep_only(const std::vector<int>& pages);
    // Lays page i of `overlay` over the i-th page left, aligned with its
    // MediaBox.
    void overlay(std::string overlay);
    void set_info(const PdfInfo& info);
    PdfBytes write();

private:
    std::string source_;
    std::unique_ptr<QPDF> pdf_;
    // The overlay's objects are copied when the result is written.
    std::string overlay_source_;
    std::unique_ptr<QPDF> overlay_pdf_;
};

}  // namespace platform
