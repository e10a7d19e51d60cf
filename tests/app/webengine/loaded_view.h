// A real web view whose first page has loaded.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/real_views.h"
#include "core/interface_language_fixture.h"
#include "platform/fake/fake_system.h"
#include "platform/qt/native_widget.h"
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
// the user's mouse does: the link-click gate hands on only such clicks, and
// only to the link the view reported under the pointer by the release. A
// click meant for `link` waits for that report, which a busy engine sends
// late.
inline void click_as_user(QWidget& widget, QPoint at, const QString& link = {}) {
    QWidget* target = widget.focusProxy();
    ASSERT_NE(target, nullptr);
    auto* web_view = qobject_cast<QWebEngineView*>(&widget);
    ASSERT_NE(web_view, nullptr);
    bool reported = link.isEmpty();
    const QMetaObject::Connection watch =
        QObject::connect(web_view->page(), &QWebEnginePage::linkHovered,
                         [&](const QString& url) { reported = reported || url == link; });
    QTest::mouseMove(target, at);
    const bool pointed = wait_until([&] { return reported; });
    QObject::disconnect(watch);
    ASSERT_TRUE(pointed) << "the view never reported the link under the pointer";
    QTest::mouseClick(target, Qt::LeftButton, {}, at);
}

// A loaded real view, shown at a size of the test's, that keeps every
// message its pages post.
class shown_view_test : public core_test::interface_language_test {
protected:
    void show_view(int width, int height) {
        view = loaded_view(system);
        view->web_message_received.add(
            [messages = messages](platform::WebView&, const std::wstring& message) {
                messages->push_back(message);
            });
        widget = platform::widget_of(*view);
        widget->resize(width, height);
        widget->show();
    }

    platform::FakeSystem system;
    std::shared_ptr<std::vector<std::wstring>> messages =
        std::make_shared<std::vector<std::wstring>>();
    std::shared_ptr<platform::WebView> view;
    QWidget* widget = nullptr;
};

}  // namespace app_test
