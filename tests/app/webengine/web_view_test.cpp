// The real web engine: a page far larger than a script literal usually is
// arrives whole, and only a new page scrolls to the top. Slow to start, so
// run one at a time.
#include <gtest/gtest.h>

#include "app/open_document.h"
#include "app/webengine/loaded_view.h"
#include "core/interface_language_fixture.h"
#include "core/sample_library.h"
#include "platform/fake/fake_system.h"
#include "platform/js_string_literal.h"
#include "platform/qt/qt_platform.h"

namespace {

using app_test::run_script;
using app_test::wait_until;

using RealWebView = core_test::interface_language_test;

TEST_F(RealWebView, AThreeMegabytePageShowsWhole) {
    platform::FakeSystem system;
    auto view = app_test::loaded_view(system);
    const std::wstring paragraph = L"<p>Paragraph with 'quotes' and \\ backslashes</p>\n";
    std::wstring body;
    while (body.size() < 3'000'000) body += paragraph;
    run_script(*view, L"document.documentElement.innerHTML='" +
                          platform::js_string_literal(L"<html><body>" + body + L"</body></html>") +
                          L"';");
    EXPECT_EQ(run_script(*view, L"document.querySelectorAll('p').length"),
              std::to_wstring(body.size() / paragraph.size()));
    EXPECT_EQ(run_script(*view, L"document.querySelector('p').textContent"),
              L"\"Paragraph with 'quotes' and \\\\ backslashes\"");
}

TEST_F(RealWebView, OnlyANewPageScrollsToTheTop) {
    app_test::OpenDocument open{PAPERWRIGHT_BUILT_SHARE, "Scroll", core_test::document_bytes(u"x")};
    ASSERT_TRUE(open.ready()) << "the document never opened";
    app::MainWindow& window = *open.window;
    window.session().set_mode(core::ViewMode::data);
    ASSERT_TRUE(wait_until([&] { return !window.render_in_flight(); }));
    platform::WebView& view = *window.elements().main_webview;
    // A page far taller than the view.
    const std::wstring tall = L"document.body.style.height='20000px';";
    run_script(view, tall + L"window.scrollTo(0, 1500);");
    window.RenderDocumentAsync(false);
    run_script(view, tall);
    EXPECT_EQ(run_script(view, L"Math.round(window.scrollY)"), L"1500");
    window.RenderDocumentAsync(true);
    EXPECT_EQ(run_script(view, L"Math.round(window.scrollY)"), L"0");
}

}  // namespace
