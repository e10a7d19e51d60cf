// The window on the offscreen platform: placement and drag areas. Its keys
// are tested with the program's window (keyboard_test).
#include "platform/window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScreen>
#include <QTest>
#include <vector>

#include "platform/controls.h"
#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/testing.h"

namespace {

using platform::PixelRect;
using platform::WindowState;

TEST(WindowPlacement, GeometryAndStateSetBeforeTheFirstShowAreWhatItShowsAndReadsBack) {
    auto window = platform::Window::create();
    window->set_content(platform::Panel::create());
    std::vector<platform::WindowChange> changes;
    window->changed.add(
        [&](platform::Window&, const platform::WindowChange& c) { changes.push_back(c); });
    window->resize(420, 300);
    window->move(30, 20);
    window->activate();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(platform::widget_of(*window)));
    EXPECT_EQ(window->state(), WindowState::restored);
    EXPECT_EQ(window->geometry(), (PixelRect{30, 20, 420, 300}));

    changes.clear();
    window->move(40, 25);
    window->resize(400, 280);
    EXPECT_EQ(window->geometry(), (PixelRect{40, 25, 400, 280}));
    ASSERT_FALSE(changes.empty());
    EXPECT_FALSE(changes.back().state_changed);

    window->maximize();
    EXPECT_EQ(window->state(), WindowState::maximized);
    EXPECT_TRUE(changes.back().state_changed);
    window->enter_full_screen();
    EXPECT_EQ(window->state(), WindowState::full_screen);
    window->restore();
    EXPECT_EQ(window->state(), WindowState::restored);

    auto maximised_first = platform::Window::create();
    maximised_first->resize(300, 200);
    maximised_first->maximize();
    maximised_first->activate();
    EXPECT_EQ(maximised_first->state(), WindowState::maximized);
    maximised_first->restore();
    static_cast<void>(
        QTest::qWaitFor([&] { return maximised_first->geometry().width == 300; }, 2000));
    EXPECT_EQ(maximised_first->geometry().width, 300);  // it comes back to its own size
}

TEST(WindowPlacement, APressInADragRectangleMovesTheWindowAndAPressAChildTakesDoesNot) {
    auto window = platform::Window::create();
    auto row = platform::Panel::create(platform::Orientation::horizontal);
    auto button = platform::AppBarButton::create();
    button->set_width(40);
    row->children().append(button);
    window->set_content(row);
    window->resize(300, 60);
    window->activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(platform::widget_of(*window)));
    window->set_drag_rectangles({{100, 0, 100, 60}, {0, 0, 60, 60}});

    const int before = platform::testing::system_moves_started();
    QTest::mouseClick(platform::widget_of(*row), Qt::LeftButton, {}, QPoint(150, 30));
    EXPECT_EQ(platform::testing::system_moves_started(), before + 1);
    QTest::mouseClick(platform::widget_of(*row), Qt::RightButton, {}, QPoint(150, 30));
    QTest::mouseClick(platform::widget_of(*row), Qt::LeftButton, {}, QPoint(250, 30));
    // The button takes its own press, drag rectangle or not.
    QTest::mouseClick(platform::widget_of(*button), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(platform::testing::system_moves_started(), before + 1);
}

TEST(WindowPlacement, ContentWiderThanTheScreenNeverHoldsTheWindowWiderThanIt) {
    auto window = platform::Window::create();
    auto content = platform::Panel::create();
    window->set_content(content);
    window->resize(400, 300);
    window->activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(platform::widget_of(*window)));
    QWidget* top = platform::widget_of(*window);
    const int screen = top->screen()->availableGeometry().width();
    content->set_width(screen + 2000);
    QCoreApplication::processEvents();
    EXPECT_LE(top->minimumWidth(), screen);
    EXPECT_LE(top->frameGeometry().width(), screen);
    // Content that fits holds the window to what it needs again.
    content->set_width(200);
    QCoreApplication::processEvents();
    EXPECT_EQ(top->minimumWidth(), 200);
}

TEST(WindowPlacement, TheFrameFitHoldsTheFramedWindowToItsScreenAndSaysWhenItIsOver) {
    for (const PixelRect asked : {PixelRect{0, 0, 1600, 1000}, PixelRect{30, 20, 300, 200}}) {
        auto window = platform::Window::create();
        window->set_content(platform::Panel::create());
        window->resize(asked.width, asked.height);
        window->move(asked.x, asked.y);
        window->activate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(platform::widget_of(*window)));
        window->fit_frame_into_screen();
        EXPECT_TRUE(window->fitting_frame_into_screen());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->fitting_frame_into_screen(); }, 10000));
        const QWidget* top = platform::widget_of(*window);
        EXPECT_TRUE(top->screen()->availableGeometry().contains(top->frameGeometry()));
        if (asked.width == 300) {
            EXPECT_EQ(window->geometry(), asked);  // a window that fits stays as it is
        }
    }
}

}  // namespace
