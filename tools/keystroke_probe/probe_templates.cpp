#include "tools/keystroke_probe/probe_templates.h"

#include <string>

#include "tools/brikc/brik_io.h"
#include "tools/generated_templates/fifty_pages.h"

namespace probe {

namespace {

constexpr int field_sections = 8;
constexpr int fields_per_section = 50;
constexpr int field_total = field_sections * fields_per_section;

// Letters only ("Field aa" to "Field tt"): a digit in a reference reads as a number.
std::wstring field_name(int i) {
    return {L'F', L'i', L'e', L'l', L'd', L' ', wchar_t(L'a' + i / 20), wchar_t(L'a' + i % 20)};
}

brikc::brik_tree many_fields() {
    brikc::brik_tree tree;
    tree.page_setup = brikc::default_page_setup();
    for (int s = 0; s < field_sections; ++s) {
        engine::doc_group& section = tree.parameters.groups.emplace_back();
        section.record.s1 = L"Section " + std::to_wstring(s + 1);
        engine::doc_group& page = tree.pages.groups.emplace_back();
        page.record.a = 1;
        engine::doc_element& block = page.elements.emplace_back();
        block.record.b = 1;
        for (int f = 0; f < fields_per_section; ++f) {
            const int n = s * fields_per_section + f;
            engine::doc_record& field = section.elements.emplace_back().record;
            field.a = 4;
            field.b = 1;
            field.s1 = field_name(n);
            field.s2 = f % 2 ? L"yes" : L"no";
            field.s3 = field_name(n);
            // Each condition reads another field.
            field.s5 = field_name((n + 7) % field_total) + L" = \"yes\"";

            engine::doc_record& paragraph = block.items.emplace_back();
            paragraph.b = 1;
            paragraph.s3 = L"Arial";
            paragraph.v[0] = 11;
            paragraph.s2 = field_name(n) + L": {" + field_name(n) + L"}." +
                           (f + 1 == fields_per_section ? L"{%}" : L"");
        }
        section.element_count = fields_per_section;
        block.item_count = fields_per_section;
        page.element_count = 1;
    }
    tree.parameters.group_count = field_sections;
    tree.pages.group_count = field_sections;
    return tree;
}

}  // namespace

bool write_probe_templates(const std::filesystem::path& library) {
    std::error_code error;
    std::filesystem::create_directories(library / "Probe", error);
    return generated::write_fifty_pages(library / "Probe/Fifty pages.brik", {.wanted = true}) &&
           brikc::write_brik(many_fields(), library / "Probe/Many fields.brik");
}

}  // namespace probe
