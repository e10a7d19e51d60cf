#include "core/sample_library.h"

#include "engine/document/document.h"
#include "support/brik_fixture.h"

namespace core_test {

std::string document_bytes(const std::u16string& title) {
    fixture::brik_tree tree;
    auto& setup = tree.page_setup.groups.emplace_back().record;
    setup.s1 = title;
    setup.d1 = 210;
    setup.v = {297, 0, 19, 19, 10, 19};
    auto& page = tree.pages.groups.emplace_back();
    page.record.a = 1;
    auto& block = page.elements.emplace_back();
    block.record.s1 = u"Body";
    block.items.emplace_back().s2 = title;
    return fixture::write_brik(tree);
}

int stored_section(const std::filesystem::path& file) {
    engine::document stored(core::text_of(file));
    return stored.loaded() ? stored.data->page_setup.record.v[0] : -1;
}

SampleLibrary::SampleLibrary() {
    write_file(root / L"install/briks/01/Library.brik", document_bytes(u"Library"));
    write_file(root / L"install/briks/01/Agreements/Sales Agreement.brik",
               document_bytes(u"Sales"));
    write_file(root / L"install/briks/01/Folder/Two Words.brik", document_bytes(u"Two words"));
    write_file(root / L"install/briks/00/Библиотека.brik", document_bytes(u"Библиотека"));
    std::filesystem::create_directories(root / L"data");
    std::filesystem::create_directories(root / L"cache/tembrick/temp");
}

core::program_folders SampleLibrary::folders() const {
    return {core::text_of(root / L"install"), core::text_of(root / L"data"),
            core::text_of(root / L"cache/tembrick/temp")};
}

void type_a_value(core::session& session) { session.data()->parameters.record.s1 += L"typed"; }

}  // namespace core_test
