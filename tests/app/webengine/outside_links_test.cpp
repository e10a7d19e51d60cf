// Links to the outside in the real web view: only the user's own click hands
// one to the desktop; the page's script clicking a link hands nothing, and a
// library link row still names its document.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/webengine/loaded_view.h"
#include "core/interface_language_fixture.h"
#include "platform/qt/native_widget.h"
#include "ui/output/print_view.h"

namespace {

using app_test::run_script;
using app_test::wait_until;

// The page's top left: a link, a link row, and a handler that clicks the
// link when the page loads.
constexpr wchar_t page[] =
    LR"(<html><head></head><body style="margin:0">
<a id="link" href="https://example.org/contract?a=1" style="display:block;width:300px;height:80px">link</a>
<table style="border-collapse:collapse"><tr><td id="row" style="width:300px;height:80px"
 onclick="{window.chrome.webview.postMessage(&quot;Agreements/Sales|Agreement&quot;);}">Sales</td></tr></table>
<img src="data:," onerror="window.clicked = SCRIPTED">
</body></html>)";

class OutsideLinks : public app_test::shown_view_test {
protected:
    void SetUp() override {
        shown_view_test::SetUp();
        show_view(600, 400);
    }

    void show(const std::wstring& scripted_click) {
        std::wstring html = page;
        html.replace(html.find(L"SCRIPTED"), 8, scripted_click);
        view->execute_script(ui::replace_page_script(html));
        ASSERT_TRUE(wait_until([&] {
            return run_script(*view, L"'clicked' in window") == L"true";
        })) << "the page's handler never ran";
    }

    // Moves the pointer onto `at` and clicks there, as the user's mouse does.
    void click(QPoint at, const QString& link = {}) { app_test::click_as_user(*widget, at, link); }
};

TEST_F(OutsideLinks, APagesOwnClickHandsNothingToTheDesktop) {
    show(L"(document.getElementById('link').click(), true)");
    EXPECT_EQ(run_script(*view, L"window.clicked"), L"true");
    // And again later, as a timer in the page would.
    run_script(*view, L"document.getElementById('link').click()");
    wait_until([] { return false; }, 1500);
    EXPECT_TRUE(system.launched.empty());
}

TEST_F(OutsideLinks, TheUsersClickOnALinkOrALinkRowStillWorks) {
    show(L"false");
    click(QPoint(150, 40), QStringLiteral("https://example.org/contract?a=1"));
    ASSERT_TRUE(wait_until([&] { return !system.launched.empty(); }, 10000))
        << "the click never reached the desktop";
    EXPECT_EQ(system.launched, (std::vector<std::wstring>{L"https://example.org/contract?a=1"}));
    click(QPoint(150, 120));
    ASSERT_TRUE(wait_until([&] { return !messages->empty(); }, 10000));
    EXPECT_EQ(*messages, (std::vector<std::wstring>{L"Agreements/Sales|Agreement"}));
    EXPECT_EQ(system.launched.size(), 1u);
}

}  // namespace
