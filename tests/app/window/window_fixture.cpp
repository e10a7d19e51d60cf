#include "window/window_fixture.h"

#include <algorithm>

#include "app/page_pieces.h"
#include "app/start.h"
#include "platform/js_string_literal.h"
#include "platform/menu_flyout.h"

namespace app_test {

WindowTest::WindowTest() {
    const core::program_folders sample = folders();
    system.install = sample.install;
    system.data = sample.data;
    system.temp = sample.temp;
    system.region = L"US";
}

WindowTest::~WindowTest() {
    views.clear();
    pump();
}

std::unique_ptr<app::MainWindow> WindowTest::make_window(app::MainWindowHooks hooks) {
    auto factory = [this] { return views.emplace_back(platform::FakeWebView::create()); };
    core::session& session = *sessions.emplace_back(
        files ? std::make_unique<core::session>(
                    folders(), [this] { return system.home_region_code(); }, *files)
              : app::start_session(system));
    return std::make_unique<app::MainWindow>(session, system, factory, std::move(hooks));
}

bool WindowTest::is_render(const std::wstring& script) {
    return script.find(L"window.tembrickView.build(") != std::wstring::npos ||
           script.find(L"window.tembrickView.update(") != std::wstring::npos ||
           script.starts_with(L"document.documentElement.innerHTML=");
}

bool WindowTest::carries(const std::wstring& script, const std::wstring& html) {
    const app::PagedHtml paged = app::split_pages(html);
    auto has = [&](std::wstring_view piece) {
        return script.find(L"'" + platform::js_string_literal(piece) + L"'") != std::wstring::npos;
    };
    return has(paged.head) && has(paged.tail) &&
           std::all_of(paged.pages.begin(), paged.pages.end(), has);
}

void WindowTest::choose(app::MainWindow& window, std::size_t position) {
    platform::Element& button = *window.elements().menu_button;
    button.events().tapped.raise(button, {});
    auto menu = platform::MenuFlyout::open_menu();
    ASSERT_TRUE(menu);
    auto item = std::dynamic_pointer_cast<platform::MenuFlyoutItem>(menu->items().at(position));
    ASSERT_TRUE(item);
    item->click();
    pump();
    pump();
}

void WindowTest::show_first_page() {
    main_view().navigation_completed.raise(main_view());
    main_view().answer_next();
    pump();
    main_view().holds_answers = false;
}

}  // namespace app_test
