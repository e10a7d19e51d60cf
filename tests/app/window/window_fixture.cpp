#include "window/window_fixture.h"

#include "app/start.h"

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
    core::session& session = *sessions.emplace_back(app::start_session(system));
    return std::make_unique<app::MainWindow>(session, system, factory, std::move(hooks));
}

void WindowTest::show_first_page() {
    main_view().navigation_completed.raise(main_view());
    main_view().answer_next();
    pump();
}

}  // namespace app_test
