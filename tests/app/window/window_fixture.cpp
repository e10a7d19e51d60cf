#include "window/window_fixture.h"

#include "engine/document/document.h"
#include "engine/document/process_state.h"

namespace app_test {

std::string document_bytes(const std::u16string& title) {
    fixture::brik_tree tree;
    fixture::brik_group setup;
    setup.record.s1 = title;
    setup.record.d1 = 210;
    setup.record.v = {297, 0, 19, 19, 10, 19};
    tree.page_setup.groups.push_back(setup);
    fixture::brik_group page;
    page.record.a = 1;
    fixture::brik_element block;
    block.record.s1 = u"Body";
    fixture::brik_record paragraph;
    paragraph.s2 = title;
    block.items.push_back(paragraph);
    page.elements.push_back(block);
    tree.pages.groups.push_back(page);
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

void WindowTest::write_settings(const std::u16string& lines) {
    std::u16string text = u"16";
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find(u'\n', start);
        if (end == std::u16string::npos) end = lines.size();
        text += u"\r\n" + lines.substr(start, end - start);
        start = end + 1;
    }
    text += u"\r\n";
    write_file(root / L"data/tembrick.ini", utf16le(text));
}

std::unique_ptr<app::MainWindow> WindowTest::make_window(app::MainWindowHooks hooks) {
    return std::make_unique<app::MainWindow>(
        system,
        [this] {
            auto view = platform::FakeWebView::create();
            views.push_back(view);
            return view;
        },
        std::move(hooks));
}

void WindowTest::show_first_page() {
    main_view().navigation_completed.raise(main_view());
    main_view().answer_next();
    pump();
}

}  // namespace app_test
