// The real web engine: the bridge from page to host, large pages and the
// scroll position. Slow to start, so these are few and run one at a time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

#include "app/failures.h"
#include "app/main_window.h"
#include "app/temp_folder.h"
#include "engine/document/block_fields.h"
#include "engine/document/process_state.h"
#include "platform/fake/fake_system.h"
#include "platform/js_string_literal.h"
#include "platform/qt/qt_platform.h"
#include "support/process_state_fixture.h"

namespace {

using app_test::TempFolder;

bool wait_until(const std::function<bool()>& done, int milliseconds = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::wstring run_script(platform::WebView& view, const std::wstring& script) {
    auto task = view.execute_script_async(script);
    if (!wait_until([&] { return task.done(); })) return L"<no answer>";
    return task.take();
}

std::wstring replace_page(const std::wstring& html) {
    return L"document.documentElement.innerHTML='" + platform::js_string_literal(html) + L"';";
}

class RealWebView : public fixture::process_state_test {
protected:
    void SetUp() override {
        fixture::process_state_test::SetUp();
        std::filesystem::create_directories(root / L"data");
        std::filesystem::create_directories(root / L"cache/tembrick/temp");
        system.install = app::text_of(PAPERWRIGHT_BUILT_SHARE);
        system.data = app::text_of(root / L"data");
        system.temp = app::text_of(root / L"cache/tembrick/temp");
    }

    // A window on real views, shown offscreen, with its start page on screen.
    std::unique_ptr<app::MainWindow> started_window() {
        bool shown = false;
        auto window = std::make_unique<app::MainWindow>(system, make_web_view,
                                                        app::MainWindowHooks{[&](app::MainWindow&) { shown = true; }});
        window->activate();
        EXPECT_TRUE(wait_until([&] { return shown; })) << "the start page never reached the view";
        window->main_webview->execute_script(L"");  // nothing pending from the start
        return window;
    }

    TempFolder root;
    platform::FakeSystem system;
    platform::WebViewFactory make_web_view = platform::make_qt_web_view_factory();
    app_test::Failures failures;
};

TEST_F(RealWebView, AClickOnALinkRowOfTheLibraryPageOpensItsDocument) {
    auto window = started_window();
    ASSERT_TRUE(window->doc);
    ASSERT_TRUE(engine::library_shown);
    EXPECT_EQ(run_script(*window->main_webview,
                         L"var row = Array.from(document.querySelectorAll('td[onclick]')).find(function (td) {"
                         L"  return td.getAttribute('onclick').indexOf('Forms/Invoice') >= 0; });"
                         L"row ? (row.click(), 'clicked') : 'no link row';"),
              L"\"clicked\"");

    const std::wstring expected = app::text_of(root / L"data/briks/Forms/Invoice.brik");
    ASSERT_TRUE(wait_until([&] { return window->doc && window->doc->path == expected; }));
    EXPECT_EQ(window->config.LastDocumentEng, L"Forms/Invoice.brik");
    EXPECT_FALSE(engine::library_shown);
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(RealWebView, ThePageBridgeSurvivesReplacingThePage) {
    auto window = started_window();
    // A link row of our own, in a page replaced by script as every page is.
    const std::wstring row = engine::file_link_html(window->doc_data, L"Agreements/Service Agreement");
    run_script(*window->main_webview, replace_page(L"<html><body><table>" + row + L"</tr></table></body></html>"));
    run_script(*window->main_webview, L"document.querySelector('td[onclick]').click();");
    const std::wstring expected = app::text_of(root / L"data/briks/Agreements/Service Agreement.brik");
    ASSERT_TRUE(wait_until([&] { return window->doc && window->doc->path == expected; }));
}

TEST_F(RealWebView, AThreeMegabytePageShowsWhole) {
    auto view = make_web_view();
    bool loaded = false;
    view->navigation_completed.add([&](platform::WebView&, const platform::NoArgs&) { loaded = true; });
    ASSERT_TRUE(wait_until([&] { return loaded; }));
    std::wstring body;
    body.reserve(3'200'000);
    while (body.size() < 3'000'000) body += L"<p>Paragraph with 'quotes' and \\ backslashes</p>\n";
    const std::size_t paragraphs = body.size() / std::wstring(L"<p>Paragraph with 'quotes' and \\ backslashes</p>\n").size();
    run_script(*view, replace_page(L"<html><body>" + body + L"</body></html>"));
    EXPECT_EQ(run_script(*view, L"document.querySelectorAll('p').length"), std::to_wstring(paragraphs));
    EXPECT_EQ(run_script(*view, L"document.querySelector('p').textContent"),
              L"\"Paragraph with 'quotes' and \\\\ backslashes\"");
}

TEST_F(RealWebView, OnlyANewPageScrollsToTheTop) {
    auto window = started_window();
    // A page far taller than the view.
    run_script(*window->main_webview, L"document.body.style.height='20000px'; window.scrollTo(0, 1500);");
    ASSERT_EQ(run_script(*window->main_webview, L"Math.round(window.scrollY)"), L"1500");

    window->RenderDocumentAsync(false);
    run_script(*window->main_webview, L"document.body.style.height='20000px'; window.scrollTo(0, 1500);");
    window->RenderDocumentAsync(false);
    run_script(*window->main_webview, L"document.body.style.height='20000px';");
    EXPECT_EQ(run_script(*window->main_webview, L"Math.round(window.scrollY)"), L"1500");

    window->RenderDocumentAsync(true);
    EXPECT_EQ(run_script(*window->main_webview, L"Math.round(window.scrollY)"), L"0");
}

}  // namespace
