// The settings pages on the real web engine: the zoom reaches the shown page
// and stays through later renders, and a font size reaches the paragraphs.
#include <gtest/gtest.h>

#include "app/failures.h"
#include "app/open_document.h"
#include "app/real_views.h"
#include "core/interface_language_fixture.h"
#include "support/formatted_document.h"
#include "ui/output/settings_panel.h"

namespace {

using app_test::run_script;

// The computed style property `property` of the element holding `text`.
std::wstring computed(platform::WebView& view, const std::wstring& text,
                      const std::wstring& property) {
    return run_script(view,
                      L"(function(){var walk=document.createTreeWalker(document.body,"
                      L"NodeFilter.SHOW_TEXT),node;while((node=walk.nextNode()))if(node."
                      L"textContent.indexOf('" +
                          text + L"')>=0)return getComputedStyle(node.parentElement)." + property +
                          L";return 'none';})()");
}

using RealSettings = core_test::interface_language_test;

TEST_F(RealSettings, ZoomAndFontSizeReachThePageAndTheZoomOutlastsARender) {
    app_test::Failures failures;
    app_test::OpenDocument open(PAPERWRIGHT_BUILT_SHARE, "Formatted",
                                fixture::formatted_document_bytes());
    ASSERT_TRUE(open.ready());
    app::MainWindow& window = *open.window;
    platform::WebView& view = *window.elements().main_webview;
    window.session().set_mode(core::ViewMode::settings);
    auto page = platform::Panel::create();
    // The view takes one render at a time; a change waits for the one before.
    auto rendered = [&] {
        return app_test::wait_until([&] { return !window.render_in_flight(); });
    };
    auto slider = [&](std::size_t box) -> platform::Slider& {
        auto* group = dynamic_cast<platform::Panel*>(page->children().at(box).get());
        return dynamic_cast<platform::Slider&>(*group->children().at(0));
    };

    window.settings_panel().BuildSettingsPanel(*page, std::int32_t(ui::SettingsPage::font));
    slider(4).set_value(14);
    ASSERT_TRUE(rendered());
    EXPECT_EQ(computed(view, L"Payment is due", L"fontSize"), L"\"18.6667px\"");

    window.settings_panel().BuildSettingsPanel(*page, std::int32_t(ui::SettingsPage::general));
    ASSERT_TRUE(rendered());
    slider(4).set_value(150);
    EXPECT_EQ(run_script(view, L"document.body.style.zoom"), L"\"150%\"");

    // A render replaces the page; the zoom comes with it.
    window.settings_panel().BuildSettingsPanel(*page, std::int32_t(ui::SettingsPage::font));
    slider(4).set_value(13);
    ASSERT_TRUE(rendered());
    EXPECT_EQ(run_script(view, L"document.body.style.zoom"), L"\"\"");
    EXPECT_EQ(run_script(view, L"getComputedStyle(document.body).zoom"), L"\"1.5\"");
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
