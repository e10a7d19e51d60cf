#include "support/formatted_document.h"

#include "support/brik_fixture.h"

namespace fixture {

namespace {

brik_record paragraph(std::u16string text, std::uint16_t alignment, std::uint16_t space_above,
                      double indent) {
    brik_record record;
    record.b = 1;  // shown
    record.s2 = std::move(text);
    record.s3 = u"Liberation Serif";
    record.v = {12, 0, 0, alignment, space_above, 0};
    record.d2 = indent;
    return record;
}

}  // namespace

std::string formatted_document_bytes() {
    brik_tree tree;
    tree.page_setup.record.c = 1;
    auto& setup = tree.page_setup.groups.emplace_back().record;
    setup.s1 = u"Formatted";
    setup.d1 = 220;
    setup.v = {300, 0, 20, 15, 25, 30};

    auto& page = tree.pages.groups.emplace_back();
    page.record.a = 1;
    auto& title = page.elements.emplace_back();
    title.record.b = 1;
    title.record.s2 = u"SALES AGREEMENT";
    title.record.s3 = u"Liberation Serif";
    title.record.v = {14, 0, 700, 1, 0, 0};
    title.items = {paragraph(u"The seller sells and the buyer buys the goods.", 3, 0, 10),
                   paragraph(u"June 1, 2026", 2, 4, 0)};
    auto& terms = page.elements.emplace_back();
    terms.record.b = 1;
    terms.record.s2 = u"TERMS";
    terms.record.s3 = u"Liberation Serif";
    terms.record.v = {14, 0, 700, 0, 6, 0};
    terms.items = {paragraph(u"Payment is due within thirty days.", 3, 4, 0)};
    return write_brik(tree);
}

}  // namespace fixture
