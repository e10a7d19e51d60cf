// The date dialog under a window manager (openbox on Xvfb): the dialog is
// active and its calendar has the focus, as for a user, which the offscreen
// platform does not give.
#include <gtest/gtest.h>

#include <QTest>

#include "editing/panel/picking_fixture.h"
#include "ui/editing/date_choice.h"

namespace {

using namespace platform;

class DateDialogUnderAWindowManager : public panel_test::PickingTest {
protected:
    DateDialogUnderAWindowManager() {
        window->activate();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget_of(*window->elements().window)));
    }
    // Opens the calendar and gives it the keyboard, as the dialog shows.
    QTableView* open_calendar() {
        pick(1);
        QWidget* table = widget_of(*calendar())->findChild<QTableView*>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(table->window()));
        table->setFocus();
        return static_cast<QTableView*>(table);
    }
};

TEST_F(DateDialogUnderAWindowManager, OnATextThatIsNoDateTodayIsAnyDayAndEnterKeepsTheText) {
    make_section(1, L"soon");
    QTableView* table = open_calendar();
    EXPECT_FALSE(selected_day_stands_out());
    QTest::keyClick(table, Qt::Key_Return);
    settle();
    EXPECT_FALSE(dialog());
    EXPECT_EQ(stored(), L"soon");
    EXPECT_EQ(shown(), L"soon");

    // A key picks the next day and shows it; Enter takes it.
    table = open_calendar();
    QTest::keyClick(table, Qt::Key_Right);
    EXPECT_TRUE(selected_day_stands_out());
    const CalendarDate moved = calendar()->selected_date();
    QTest::keyClick(table, Qt::Key_Return);
    settle();
    EXPECT_EQ(stored(), ui::long_date_text({moved.year, moved.month, moved.day}));
}

}  // namespace
