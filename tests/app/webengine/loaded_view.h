// A real web view whose first page has loaded.
#pragma once

#include <gtest/gtest.h>

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

}  // namespace app_test
