// A PDF of footers only, laid over the printed pages afterwards: the footer
// text at the left of the bottom margin and "n/N" at its right, as text.
#pragma once

#include <QByteArray>
#include <vector>

#include "platform/document_output.h"

namespace platform {

// One page of the footer PDF: the size of the page it goes over, in points,
// and that page's number in the whole document.
struct FooterPage {
    double width_pt = 0;
    double height_pt = 0;
    int number = 0;
};

// Needs the application object for its fonts. Throws std::runtime_error when
// nothing could be drawn.
QByteArray footer_pages_pdf(const std::vector<FooterPage>& pages, int total,
                            const PageLayout& layout, const PageFooter& footer);

}  // namespace platform
