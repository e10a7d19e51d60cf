// Values a template writes into its own markup, in the real web view: a
// refused address leaves a link that does nothing when the user clicks it
// (the document stays shown), an SVG animation gives a link no script
// address, and a value after a "<" is text.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/webengine/loaded_view.h"
#include "core/interface_language_fixture.h"
#include "engine/render/render_tree.h"
#include "platform/qt/native_widget.h"
#include "ui/output/print_view.h"

namespace {

using app_test::run_script;
using app_test::wait_until;

// Each value is a script the page would run if it got through.
constexpr wchar_t paragraph[] =
    LR"(<p id="shown">{Tag}</p><a id="empty" href="{Link}" style="display:block;width:300px;height:60px">empty</a>
<svg width="300" height="60"><a id="animated"><set attributeName="href" to="{Link}"/>
<rect width="300" height="60" fill="#ccc"/></a></svg><p>x <{Tag}>y</p>)";

// A row whose click posts a message: it tells the test that the clicks
// before it were handled.
constexpr wchar_t add_last_row[] =
    LR"((function () {
  var row = document.createElement('p');
  row.id = 'last';
  row.style.cssText = 'position:fixed;left:0;bottom:0;width:300px;height:60px;margin:0';
  row.addEventListener('click', function () { window.chrome.webview.postMessage('Row|Done'); });
  document.body.appendChild(row);
})())";

class RefusedValues : public app_test::shown_view_test {
protected:
    void SetUp() override {
        shown_view_test::SetUp();
        show_view(700, 600);
    }

    void show_document(const std::wstring& link, const std::wstring& tag) {
        using namespace render_test;
        auto doc = empty_document();
        add_page_setup(*doc);
        add_block(add_page(*doc), paragraph);
        engine::doc_group& section = add_group(doc->data->parameters);
        for (const auto& [name, value] : {std::pair{L"Link", link}, std::pair{L"Tag", tag}}) {
            engine::doc_record& field = add_element(section).record;
            field.s1 = name;
            field.s2 = value;
        }
        view->execute_script(ui::replace_page_script(engine::to_html(*doc, {})));
        ASSERT_TRUE(wait_until([&] {
            return run_script(*view, L"!!document.getElementById('shown')") == L"true";
        })) << "the document never showed";
        run_script(*view, add_last_row);
    }

    // Clicks the middle of the element `id` as the user's mouse does.
    void click(const std::wstring& id) {
        const std::wstring middle = run_script(
            *view, L"(function(){var r=document.getElementById('" + id +
                       L"').getBoundingClientRect();"
                       L"return Math.round(r.x+r.width/2)+','+Math.round(r.y+r.height/2);})()");
        const auto comma = middle.find(L',');
        ASSERT_NE(comma, std::wstring::npos) << middle;
        const QPoint at(std::stoi(middle.substr(1, comma - 1)),
                        std::stoi(middle.substr(comma + 1)));
        app_test::click_as_user(*widget, at);
    }
};

TEST_F(RefusedValues, ALinkARefusedValueLeftEmptyDoesNothingWhenClicked) {
    show_document(L"javascript:window.ran=1", L"img src=x onerror=window.ran=1");
    EXPECT_EQ(run_script(*view, L"document.getElementById('empty').getAttribute('href')"), L"\"\"");
    run_script(*view, L"window.before = 1");
    click(L"empty");
    click(L"animated");
    click(L"last");
    ASSERT_TRUE(wait_until([&] { return !messages->empty(); }, 10000))
        << "the document did not take the last click";
    wait_until([] { return false; }, 500);
    // Not reloaded: the page's state and the document are still there.
    EXPECT_EQ(run_script(*view, L"window.before"), L"1");
    EXPECT_EQ(run_script(*view, L"!!document.getElementById('shown')"), L"true");
    EXPECT_EQ(run_script(*view, L"'ran' in window"), L"false");
    EXPECT_EQ(run_script(*view, L"document.images.length"), L"0");
    EXPECT_TRUE(system.launched.empty());
}

}  // namespace
