// A window of the given size that shows `content`, exposed on the offscreen
// platform.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "platform/qt/native_widget.h"
#include "platform/window.h"

namespace platform_test {

inline std::shared_ptr<platform::Window> shown_window(std::shared_ptr<platform::Element> content,
                                                      int width = 200, int height = 100) {
    auto window = platform::Window::create();
    window->set_content(std::move(content));
    window->resize(width, height);
    window->activate();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(platform::widget_of(*window)));
    return window;
}

}  // namespace platform_test
