// The controls the value pickers use, on real (offscreen) widgets, driven
// through Qt as the user drives them.
#include <gtest/gtest.h>

// Mouse input goes through the window system's path, so a double click is a
// press, a release and a second press, as a real one.
#define QTEST_QPA_MOUSE_HANDLING

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QFileDialog>
#include <QListWidget>
#include <QTableView>
#include <QTest>
#include <optional>
#include <vector>

#include "platform/calendar_view.h"
#include "platform/controls.h"
#include "platform/document_output.h"
#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/qt/native_widget.h"

namespace {

using platform::widget_of;

void pump() { QCoreApplication::processEvents(); }

std::shared_ptr<platform::ListBox> list_of(std::initializer_list<const wchar_t*> texts) {
    auto list = platform::ListBox::create();
    std::vector<platform::ListEntry> entries;
    for (const wchar_t* text : texts) entries.push_back({text});
    list->set_entries(std::move(entries));
    widget_of(*list)->resize(200, 300);
    widget_of(*list)->show();
    return list;
}

QPoint centre_of(const platform::ListBox& list, int row) {
    auto* widget = static_cast<QListWidget*>(widget_of(list));
    return widget->visualItemRect(widget->item(row)).center();
}

TEST(PickingListBox, ARightClickNamesTheEntryUnderThePointerWithoutSelectingIt) {
    auto list = list_of({L"a", L"b", L"c"});
    list->set_selected_index(0);
    std::vector<platform::ListItemPointer> right_clicks;
    std::vector<int> selections;
    list->item_right_clicked.add([&](platform::ListBox&, const platform::ListItemPointer& at) {
        right_clicks.push_back(at);
    });
    list->selection_changed.add([&](platform::ListBox&, const int& i) { selections.push_back(i); });

    auto* viewport = static_cast<QListWidget*>(widget_of(*list))->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, centre_of(*list, 2));
    ASSERT_EQ(right_clicks.size(), 1u);
    EXPECT_EQ(right_clicks[0].index, 2);
    EXPECT_EQ(list->selected_index(), 0);
    EXPECT_TRUE(selections.empty());
    // Below the entries nothing is named.
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(5, 290));
    EXPECT_EQ(right_clicks.size(), 1u);
}

TEST(PickingListBox, ADoubleClickSelectsTheEntryThenNamesIt) {
    auto list = list_of({L"a", L"b", L"c"});
    std::vector<int> events;  // selections, then double clicks as 100 + index
    list->selection_changed.add([&](platform::ListBox&, const int& i) { events.push_back(i); });
    list->item_double_clicked.add(
        [&](platform::ListBox&, const int& i) { events.push_back(100 + i); });
    QTest::mouseDClick(static_cast<QListWidget*>(widget_of(*list))->viewport(), Qt::LeftButton, {},
                       centre_of(*list, 1));
    EXPECT_EQ(events, (std::vector<int>{1, 101}));
}

TEST(PickingListBox, RemovingTheSelectedEntryLeavesNoneSelected) {
    auto list = list_of({L"a", L"b", L"c", L"d"});
    std::vector<int> selections;
    list->selection_changed.add([&](platform::ListBox&, const int& i) { selections.push_back(i); });
    list->set_selected_index(2);
    list->remove_at(0);  // the selection stays on "c"
    EXPECT_EQ(list->selected_index(), 1);
    list->remove_at(1);
    EXPECT_EQ(list->selected_index(), -1);
    EXPECT_EQ(static_cast<QListWidget*>(widget_of(*list))->selectedItems().size(), 0);
    list->remove_at(7);
    ASSERT_EQ(list->entries().size(), 2u);
    EXPECT_EQ(list->entries()[1].text, L"d");
    EXPECT_EQ(selections, (std::vector<int>{2, 1, -1}));
}

// The calendar's cell that shows `day` of the month shown; -1 row when
// there is none. Only days 13 to 22 appear once in every month's grid.
QPoint day_cell(QCalendarWidget* calendar, int day) {
    auto* table = calendar->findChild<QTableView*>();
    QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            if (model->index(row, column).data().toString() == QString::number(day))
                return table->visualRect(model->index(row, column)).center();
        }
    }
    return {-1, -1};
}

TEST(PickingCalendar, ADoubleClickOnADayActivatesIt) {
    auto view = platform::CalendarView::create();
    auto* calendar = static_cast<QCalendarWidget*>(widget_of(*view));
    calendar->resize(320, 240);
    calendar->show();
    view->set_selected_date({2025, 3, 2});
    std::vector<platform::CalendarDate> changed, clicked, activated;
    view->selected_date_changed.add([&](auto&, const auto& d) { changed.push_back(d); });
    view->date_clicked.add([&](auto&, const auto& d) { clicked.push_back(d); });
    view->date_activated.add([&](auto&, const auto& d) { activated.push_back(d); });

    auto* cells = calendar->findChild<QTableView*>()->viewport();
    QTest::mouseDClick(cells, Qt::LeftButton, {}, day_cell(calendar, 14));
    const platform::CalendarDate fourteenth{2025, 3, 14};
    EXPECT_EQ(view->selected_date(), fourteenth);
    EXPECT_EQ(changed, std::vector<platform::CalendarDate>{fourteenth});
    ASSERT_FALSE(activated.empty());
    EXPECT_EQ(activated.back(), fourteenth);
    // The selected day takes clicks too.
    QTest::mouseClick(cells, Qt::LeftButton, {}, day_cell(calendar, 14));
    EXPECT_EQ(clicked.back(), fourteenth);
}

TEST(PickingGrid, ADoubleClickOnATextInsideIsTheGrids) {
    auto grid = platform::Grid::create();
    auto text = platform::TextBlock::create(L"12+3");
    grid->children().append(text);
    widget_of(*grid)->resize(100, 40);
    widget_of(*grid)->show();
    int taps = 0;
    grid->double_tapped.add([&](platform::Grid&, const platform::NoArgs&) { ++taps; });
    QTest::mouseDClick(widget_of(*text), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(taps, 1);
}

TEST(PickingImageFile, OffersTheExtensionsInAnyCaseAndACancelIsNoFile) {
    auto output = platform::make_document_output();
    auto task = output->pick_image_file({L".png", L".jpg"});
    pump();
    QFileDialog* dialog = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<QFileDialog*>(widget); found && found->isVisible())
            dialog = found;
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"Images (*.[pP][nN][gG] *.[jJ][pP][gG])"});
    EXPECT_TRUE(dialog->testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    dialog->reject();
    pump();
    ASSERT_TRUE(task.done());
    EXPECT_EQ(task.take(), std::nullopt);
}

}  // namespace
