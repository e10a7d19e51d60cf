#include "window/window_fixture.h"

#include "engine/document/document.h"
#include "engine/document/process_state.h"

namespace app_test {

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
    engine::document* previous = engine::current_document;
    int section = -1;
    {
        engine::document stored(app::text_of(file));
        if (stored.loaded()) section = stored.data->page_setup.record.v[0];
    }
    engine::current_document = previous;
    return section;
}

WindowTest::WindowTest() {
    write_file(root / L"install/briks/01/Library.brik", document_bytes(u"Library"));
    write_file(root / L"install/briks/01/Agreements/Sales Agreement.brik", document_bytes(u"Sales"));
    write_file(root / L"install/briks/01/Folder/Two Words.brik", document_bytes(u"Two words"));
    write_file(root / L"install/briks/00/Библиотека.brik", document_bytes(u"Библиотека"));
    std::filesystem::create_directories(root / L"data");
    std::filesystem::create_directories(root / L"cache/tembrick/temp");
    system.install = app::text_of(root / L"install");
    system.data = app::text_of(root / L"data");
    system.temp = app::text_of(root / L"cache/tembrick/temp");
    system.region = L"US";
}

WindowTest::~WindowTest() {
    views.clear();
    pump();
}

std::unique_ptr<app::MainWindow> WindowTest::make_window(app::MainWindowHooks hooks) {
    auto factory = [this] { return views.emplace_back(platform::FakeWebView::create()); };
    return std::make_unique<app::MainWindow>(system, factory, std::move(hooks));
}

void WindowTest::show_first_page() {
    main_view().navigation_completed.raise(main_view());
    main_view().answer_next();
    pump();
}

}  // namespace app_test
