// A list box's entries in their own typefaces, scrolling to an entry,
// and how long entries wrap.
#include "platform/list_box.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "platform/qt/native_widget.h"
#include "platform/qt/shown_window.h"

namespace {

using platform_test::shown_window;

TEST(ListBox, EntriesShowInTheirTypefaceAndScrollIntoView) {
    auto list = platform::ListBox::create();
    std::vector<platform::ListEntry> entries(40, {L"Plain", {255, 0, 0, 0}});
    entries[39] = {L"Liberation Serif", {255, 0, 0, 0}, 0, L"Liberation Serif"};
    list->set_entries(entries);
    auto* widget = static_cast<QListWidget*>(platform::widget_of(*list));
    EXPECT_EQ(widget->item(39)->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(widget->item(0)->font(), widget->font());

    list->set_height(120);
    const auto window = shown_window(list, 200, 120);
    const QRect viewport = widget->viewport()->rect();
    EXPECT_FALSE(viewport.contains(widget->visualItemRect(widget->item(39))));
    list->scroll_into_view(39);
    EXPECT_TRUE(viewport.contains(widget->visualItemRect(widget->item(39))));
    list->scroll_into_view(40);  // past the end: nothing
}

TEST(ListBox, TheEntrySelectedByCodeIsInViewWhateverTheListsLength) {
    for (int length : {30, 250, 1000}) {
        auto list = platform::ListBox::create();
        std::vector<platform::ListEntry> entries;
        for (int i = 0; i < length; ++i)
            entries.push_back({L"Entry number " + std::to_wstring(i), {255, 0, 0, 0}});
        list->set_entries(entries);
        list->set_width(300);
        list->set_height(200);
        // Selected before the list shows, as a dialog does.
        const int selected = length - 5;
        list->set_selected_index(selected);
        const auto window = shown_window(list, 300, 200);
        auto* widget = static_cast<QListWidget*>(platform::widget_of(*list));
        // The layout places its batches as the event loop turns.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !widget->visualItemRect(widget->item(length - 1)).isEmpty(); }, 5000));
        const auto selected_in_view = [&] {
            return widget->viewport()->rect().contains(
                widget->visualItemRect(widget->item(selected)));
        };
        EXPECT_TRUE(QTest::qWaitFor(selected_in_view, 2000)) << length;
    }
}

TEST(ListBox, EntriesWrapBetweenWordsAndInsideAWordTooWideForTheList) {
    auto list = platform::ListBox::create();
    const std::wstring no_blank(200, L'W');
    list->set_entries({{L"Acme Corp", {255, 0, 0, 0}},
                       {no_blank, {255, 0, 0, 0}},
                       {L"short " + no_blank + L" end", {255, 0, 0, 0}}});
    const auto window = shown_window(list, 300, 400);
    auto* widget = static_cast<QListWidget*>(platform::widget_of(*list));
    const int line = widget->fontMetrics().height();
    const int width = widget->fontMetrics().horizontalAdvance(QString(200, QChar('W')));
    const int room = widget->viewport()->width();
    ASSERT_GT(width, 3 * room);
    EXPECT_LT(widget->visualItemRect(widget->item(0)).height(), 2 * line);
    // Every line of the word is there: none is elided.
    for (int row : {1, 2})
        EXPECT_GE(widget->visualItemRect(widget->item(row)).height(), width / room * line) << row;
}

}  // namespace
