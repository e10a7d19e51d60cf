// The picker dialogs driven through Qt with the mouse, as a user drives them.
#include <gtest/gtest.h>

// Mouse input goes through the window system's path, so a double click is a
// press, a release and a second press, as a real one.
#define QTEST_QPA_MOUSE_HANDLING
#include <QCalendarWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <vector>

#include "editing/panel/picking_fixture.h"
#include "platform/menu_flyout.h"
#include "platform/qt/native_widget.h"
#include "ui/editing/date_choice.h"

namespace {

using namespace platform;

class PickingByMouse : public panel_test::PickingTest {};

TEST_F(PickingByMouse, ADoubleClickOnADayCellTakesThatDay) {
    make_section(1, L"March 2, 2025");
    pick(1);
    auto* widget = static_cast<QCalendarWidget*>(widget_of(*calendar()));
    auto* table = widget->findChild<QTableView*>();
    QAbstractItemModel* model = table->model();
    QPoint fourteenth;
    // Days 13 to 22 show once in every month's grid.
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->index(row, column).data().toString() == QStringLiteral("14"))
                fourteenth = table->visualRect(model->index(row, column)).center();
        }
    }
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, fourteenth);
    settle();
    EXPECT_FALSE(dialog());
    EXPECT_EQ(stored(), L"March 14, 2025");
}

TEST_F(PickingByMouse, OnATextThatIsNoDateNoDayShowsSelectedUntilTheUserPicksOne) {
    make_section(1, L"when it suits");
    const auto selection_drawn = [] { return selected_day_stands_out(); };
    pick(1);
    EXPECT_FALSE(selection_drawn());  // OK would take nothing: see ValuePicking
    cancel();

    // A key moves the selection from today and shows it; OK takes that day.
    pick(1);
    auto* table = widget_of(*calendar())->findChild<QTableView*>();
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Right);
    EXPECT_TRUE(selection_drawn());
    const CalendarDate moved = calendar()->selected_date();
    ok();
    EXPECT_EQ(stored(), ui::long_date_text({moved.year, moved.month, moved.day}));

    // A date shows its day selected at once.
    pick(1);
    EXPECT_TRUE(selection_drawn());
    cancel();
}

TEST_F(PickingByMouse, TheCalculatorShowsALongRunOfDigitsWholeAndCountsThem) {
    make_section(3, std::wstring(30, L'7'));
    pick(1);
    press(L"4444444444444444444444444444444444444444");  // forty more
    QTest::qWait(20);
    auto* label = static_cast<QLabel*>(widget_of(*display_block()));
    auto* counter = static_cast<QLabel*>(widget_of(*child<TextBlock>(display(), 1)));
    EXPECT_EQ(digit_counter(), L"70");
    // The display breaks inside the run: several lines, none cut, and no
    // wider than its box.
    EXPECT_GT(label->height(), 3 * label->fontMetrics().height());
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    EXPECT_LE(label->width(), 250);
    EXPECT_TRUE(label->window()->rect().contains(
        QRect(label->mapTo(label->window(), QPoint(0, 0)), label->size())));
    // The counter has the room of four digits.
    EXPECT_GE(counter->contentsRect().width(),
              counter->fontMetrics().horizontalAdvance(QStringLiteral("8888")));
}

TEST_F(PickingByMouse, TheKeypadKeepsItsSizeAndPlaceAndTheDisplayShowsTheEndOfALongExpression) {
    window->activate();
    const auto laid_out_well = [](const char* what) {
        settle();
        auto* label = static_cast<QLabel*>(widget_of(*display_block()));
        QWidget* dialog_widget = label->window();
        const auto place = [&](const QWidget* w) {
            return QRect(w->mapTo(dialog_widget, QPoint(0, 0)), w->size());
        };
        // Every key whole, at its size, apart from the others and from the
        // dialog's own buttons.
        std::vector<QRect> taken;
        for (const char* name : {"primary", "close"})
            taken.push_back(place(dialog_widget->findChild<QPushButton*>(QLatin1String(name))));
        for (std::int32_t code = 0; code <= 22; ++code) {
            const QRect at = place(widget_of(*key(code)));
            EXPECT_TRUE(dialog_widget->rect().contains(at)) << what << ", key " << code;
            EXPECT_EQ(at.height(), code == 22 ? 102 : 50) << what << ", key " << code;
            for (const QRect& other : taken)
                EXPECT_FALSE(at.intersects(other)) << what << ", key " << code;
            taken.push_back(at);
        }
        // At most four lines show, and the last of them is the expression's end.
        const QWidget* port = label->parentWidget();
        const int line = label->fontMetrics().height();
        EXPECT_LE(port->height(), 4 * line + line / 2) << what;
        const QPoint end = label->mapTo(port, QPoint(label->width() / 2, label->height() - 2));
        EXPECT_TRUE(port->rect().contains(end)) << what;
    };
    make_section(3, L"");
    pick(1);
    press(L"1");
    settle();
    // "0" clicked 150 times at the one spot where it first was: the display
    // grows no higher, so the key stays under the pointer.
    QWidget* zero = widget_of(*key(0));
    QWidget* dialog_widget = zero->window();
    const QPoint spot = zero->mapTo(dialog_widget, zero->rect().center());
    const QPoint first_place = zero->mapToGlobal(QPoint(0, 0));
    for (int i = 0; i < 150; ++i) {
        QTest::mouseClick(dialog_widget, Qt::LeftButton, {}, spot);
        settle();
    }
    EXPECT_EQ(display_text(), L"1" + std::wstring(150, L'0'));
    EXPECT_EQ(zero->mapToGlobal(QPoint(0, 0)), first_place);
    laid_out_well("151 digits typed");
    cancel();

    inside<TextBox>(1, 0)->set_text(L"1" + std::wstring(1199, L'9'));
    pick(1);
    laid_out_well("opened on 1,200 digits");
    press(L"+3");
    EXPECT_EQ(digit_counter(), L"1201");
    laid_out_well("\"+3\" typed");
    // A double click on the scrolled expression still hands it back.
    QWidget* label = widget_of(*display_block());
    QTest::mouseDClick(label, Qt::LeftButton, {}, QPoint(label->width() / 2, label->height() - 20));
    settle();
    EXPECT_FALSE(dialog());
    EXPECT_EQ(stored(), L"1" + std::wstring(1199, L'9') + L"+3");
}

TEST_F(PickingByMouse, ARightClickDeletesTheEntryUnderThePointerNotTheSelectedOne) {
    make_section(2, L"");
    // Each opening remembers the text the field holds.
    for (const wchar_t* text : {L"c", L"a", L"b"}) {
        inside<TextBox>(1, 0)->set_text(text);
        pick(1);
        if (text[0] != L'b') cancel();
    }
    ASSERT_EQ(listed(), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    ASSERT_EQ(list_box()->selected_index(), 1);

    auto* list = static_cast<QListWidget*>(widget_of(*list_box()));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                      list->visualItemRect(list->item(2)).center());
    auto menu = MenuFlyout::open_menu();
    ASSERT_TRUE(menu);
    EXPECT_EQ(list_box()->selected_index(), 1);
    std::dynamic_pointer_cast<MenuFlyoutItem>(menu->items().at(0))->click();
    settle();
    EXPECT_EQ(listed(), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(list_box()->selected_index(), 1);
    ok();
    EXPECT_EQ(stored(), L"b");
}

}  // namespace
