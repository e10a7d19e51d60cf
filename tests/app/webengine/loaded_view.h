// A real web view whose first page has loaded.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <memory>

#include "app/real_views.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/qt_platform.h"

namespace app_test {

inline std::shared_ptr<platform::WebView> loaded_view(platform::FakeSystem& system) {
    auto view = platform::make_qt_web_view_factory(system)();
    auto loaded = std::make_shared<bool>(false);
    view->navigation_completed.add(
        [loaded](platform::WebView&, const platform::NoArgs&) { *loaded = true; });
    EXPECT_TRUE(wait_until([&] { return *loaded; })) << "the view never loaded its page";
    return view;
}

// Moves the pointer onto `at` of the view's `widget` and clicks there, as
// the user's mouse does: the link-click gate hands on only such clicks.
inline void click_as_user(QWidget& widget, QPoint at) {
    QWidget* target = widget.focusProxy();
    ASSERT_NE(target, nullptr);
    QTest::mouseMove(target, at);
    wait_until([] { return false; }, 300);
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
}

}  // namespace app_test
