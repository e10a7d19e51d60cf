// The pop-up menu on the offscreen platform.
#include "platform/menu_flyout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <string>
#include <vector>

#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/shown_window.h"
#include "platform/window.h"

namespace {

using platform::MenuFlyout;
using platform::MenuFlyoutItem;

struct MenuOverWindow {
    MenuOverWindow() {
        anchor->set_height(30);
        for (const wchar_t* text : {L"Library", L"Settings"}) {
            auto item = MenuFlyoutItem::create(text);
            item->accelerator_text = text[0] == L'L' ? L"Ctrl+L" : L"Ctrl+R";
            item->font_size = 12;
            item->data_context = std::int32_t(items.size());
            item->clicked.add([this](MenuFlyoutItem& sender, const platform::NoArgs&) {
                trace.push_back(sender.text +
                                (MenuFlyout::open_menu() ? L" while open" : L" after closing"));
            });
            items.push_back(item);
        }
        flyout->items().push_back(items[0]);
        flyout->items().push_back(platform::MenuFlyoutSeparator::create());
        flyout->items().push_back(items[1]);
        flyout->closed.add(
            [this](MenuFlyout&, const platform::NoArgs&) { trace.push_back(L"closed"); });
    }

    std::shared_ptr<platform::Panel> anchor = platform::Panel::create();
    std::shared_ptr<platform::Window> window = platform_test::shown_window(anchor, 300, 200);
    std::shared_ptr<MenuFlyout> flyout = MenuFlyout::create();
    std::vector<std::shared_ptr<MenuFlyoutItem>> items;
    std::vector<std::wstring> trace;
};

TEST(MenuFlyout, PopsUpItsEntriesAndRunsAChosenItemAfterTheMenuHasClosed) {
    MenuOverWindow test;
    std::weak_ptr<MenuFlyout> watch = test.flyout;
    test.flyout->show_at(*test.anchor, {20, 31});
    test.flyout.reset();  // it keeps itself while it shows
    auto open = MenuFlyout::open_menu();
    ASSERT_TRUE(open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Library\tCtrl+L"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->font().pixelSize(), 12);
    EXPECT_EQ(menu->pos(), platform::widget_of(*test.anchor)->mapToGlobal(QPoint(20, 31)));

    open->show_at(*test.anchor, {0, 0});  // showing already: stays
    EXPECT_EQ(QApplication::activePopupWidget(), menu);
    open.reset();

    actions[2]->trigger();
    EXPECT_TRUE(test.trace.empty());  // nothing runs inside the menu's own signal
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(test.trace, (std::vector<std::wstring>{L"closed", L"Settings after closing"}));
    EXPECT_FALSE(MenuFlyout::open_menu());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.expired());
}

TEST(MenuFlyout, EscapeClosesWithoutAChoiceAndAnItemClickedByATestClosesTheMenuFirst) {
    MenuOverWindow test;
    test.flyout->show_at(*test.anchor, {0, 30});
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(test.trace, std::vector<std::wstring>{L"closed"});

    test.trace.clear();
    test.flyout->show_at(*test.anchor, {0, 30});
    ASSERT_TRUE(MenuFlyout::open_menu());
    test.items[0]->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(test.trace, (std::vector<std::wstring>{L"closed", L"Library after closing"}));
}

}  // namespace
