// The window on the offscreen platform: keys, placement and drag areas.
#include "platform/window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <vector>

#include "platform/controls.h"
#include "platform/list_box.h"
#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/testing.h"
#include "platform/text_box.h"

namespace {

using platform::Accelerator;
using platform::KeyModifiers;
using platform::PixelRect;
using platform::VirtualKey;
using platform::WindowState;

struct ShownWindow {
    ShownWindow() {
        panel->children().append(line);
        panel->children().append(memo);
        panel->children().append(list);
        panel->children().append(plain);
        window->set_content(panel);
        window->accelerator_invoked.add(
            [this](platform::Window&, const Accelerator& a) { invoked.push_back(a); });
    }

    void show() {
        window->activate();
        QApplication::setActiveWindow(platform::widget_of(*window));
        EXPECT_TRUE(QTest::qWaitForWindowActive(platform::widget_of(*window)));
    }

    std::shared_ptr<platform::Window> window = platform::Window::create();
    std::shared_ptr<platform::Panel> panel = platform::Panel::create();
    std::shared_ptr<platform::TextBox> line = platform::TextBox::create();
    std::shared_ptr<platform::TextBox> memo = platform::TextBox::create(true);
    std::shared_ptr<platform::ListBox> list = platform::ListBox::create();
    std::shared_ptr<platform::Panel> plain = platform::Panel::create();
    std::vector<Accelerator> invoked;
};

TEST(WindowKeys, ADeclaredKeyReachesTheWindowWhereverTheFocusIsAndOnlyWithItsModifiers) {
    ShownWindow shown;
    const Accelerator ctrl_l{VirtualKey::L, KeyModifiers::control};
    shown.window->add_accelerator(ctrl_l);
    shown.window->add_accelerator({VirtualKey::F7, KeyModifiers::control});
    shown.list->set_entries({{L"one"}, {L"two"}});
    shown.show();

    for (const std::shared_ptr<platform::Element>& focus :
         std::vector<std::shared_ptr<platform::Element>>{shown.line, shown.memo, shown.list,
                                                         shown.plain}) {
        shown.invoked.clear();
        ASSERT_TRUE(focus->focus());
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(target, Qt::Key_F7, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_F7);
        EXPECT_EQ(shown.invoked,
                  (std::vector<Accelerator>{ctrl_l, {VirtualKey::F7, KeyModifiers::control}}))
            << focus.get();
    }
    // The text box did not take the letter.
    EXPECT_EQ(shown.line->text(), L"");
}

TEST(WindowPlacement, GeometryAndStateSetBeforeTheFirstShowAreWhatItShowsAndReadsBack) {
    auto window = platform::Window::create();
    window->set_content(platform::Panel::create());
    std::vector<platform::WindowChange> changes;
    window->changed.add(
        [&](platform::Window&, const platform::WindowChange& c) { changes.push_back(c); });
    EXPECT_TRUE(window->can_be_placed());
    EXPECT_EQ(window->screen_dpi(), 96);
    ASSERT_FALSE(window->screen_areas().empty());

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
    QTest::qWait(10);
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

}  // namespace
