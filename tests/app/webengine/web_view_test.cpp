// The real web engine: a page far larger than a script literal usually is
// arrives whole. Slow to start, so run one at a time.
#include <gtest/gtest.h>

#include "app/real_views.h"
#include "platform/js_string_literal.h"
#include "platform/qt/qt_platform.h"

namespace {

using app_test::run_script;

TEST(RealWebView, AThreeMegabytePageShowsWhole) {
    auto view = platform::make_qt_web_view_factory()();
    bool loaded = false;
    view->navigation_completed.add([&](platform::WebView&, const platform::NoArgs&) { loaded = true; });
    ASSERT_TRUE(app_test::wait_until([&] { return loaded; }));
    const std::wstring paragraph = L"<p>Paragraph with 'quotes' and \\ backslashes</p>\n";
    std::wstring body;
    while (body.size() < 3'000'000) body += paragraph;
    run_script(*view, L"document.documentElement.innerHTML='" +
                          platform::js_string_literal(L"<html><body>" + body + L"</body></html>") + L"';");
    EXPECT_EQ(run_script(*view, L"document.querySelectorAll('p').length"),
              std::to_wstring(body.size() / paragraph.size()));
    EXPECT_EQ(run_script(*view, L"document.querySelector('p').textContent"),
              L"\"Paragraph with 'quotes' and \\\\ backslashes\"");
}

}  // namespace
