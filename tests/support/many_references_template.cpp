#include "support/many_references_template.h"

namespace fixture {

void fill_many_references(engine::document& doc, const std::wstring& seller) {
    engine::document_data& data = *doc.data;
    data.page_setup.groups.resize(1);
    data.page_setup.group_count = 1;
    data.page_setup.groups[0].elements.resize(4);
    data.page_setup.groups[0].element_count = 4;

    engine::doc_group& page = data.pages.groups.emplace_back();
    data.pages.group_count = 1;
    page.record.a = 1;
    for (int p = 1; p <= many_references_paragraphs; ++p) {
        engine::doc_record& paragraph = page.elements.emplace_back().record;
        paragraph.b = 1;
        paragraph.s3 = L"Arial";
        paragraph.v[0] = 11;
        paragraph.s2 = L"Clause " + std::to_wstring(p) +
                       L". The {Seller} delivers the goods; {р:Seller} answers for them.";
    }
    page.element_count = many_references_paragraphs;

    engine::doc_group& section = data.parameters.groups.emplace_back();
    data.parameters.group_count = 1;
    section.record.s1 = L"Parties";
    engine::doc_record& field = section.elements.emplace_back().record;
    section.element_count = 1;
    field.a = 4;
    field.b = 1;
    field.s1 = L"Seller";
    field.s2 = seller;
}

}  // namespace fixture
