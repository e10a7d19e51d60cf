#include "support/ten_page_contract.h"

#include "support/brik_fixture.h"

namespace fixture {

std::string ten_page_contract_bytes() {
    brik_tree tree;
    auto& setup = tree.page_setup.groups.emplace_back();
    setup.record.s1 = u"Ten Pages";
    setup.record.d1 = ten_pages_width_mm;
    setup.record.v = {std::uint16_t(ten_pages_height_mm), 0, 20, 15, 12, 20};
    setup.elements.resize(4);
    setup.elements[3].record.s1 = u"Supply Contract No. 12";
    setup.elements[3].record.b = 1;

    auto& page = tree.pages.groups.emplace_back();
    page.record.a = 1;
    auto& block = page.elements.emplace_back();
    block.record.s1 = u"Terms";
    block.record.b = 1;
    for (int number = 1; number <= 10; ++number) {
        brik_record paragraph;
        paragraph.b = 1;
        paragraph.s3 = u"Liberation Serif";
        paragraph.v[0] = 12;
        const std::string text = "Page body " + std::to_string(number) +
                                 ": {Buyer} pays {Seller} within thirty days of delivery." +
                                 (number < 10 ? "{%}" : "");
        paragraph.s2 = std::u16string(text.begin(), text.end());
        block.items.push_back(paragraph);
    }

    auto& section = tree.parameters.groups.emplace_back();
    section.record.s1 = u"Parties";
    for (const char16_t* name : {u"Buyer", u"Seller"}) {
        auto& field = section.elements.emplace_back();
        field.record.a = 4;
        field.record.s1 = name;
        field.record.s2 = u"(not filled)";
        field.record.s3 = name;
    }
    return write_brik(tree);
}

}  // namespace fixture
