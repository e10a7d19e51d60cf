// A list box's entries in their own typefaces, and scrolling to an entry.
#include "platform/list_box.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "platform/qt/native_widget.h"
#include "platform/window.h"

namespace {

TEST(ListBox, EntriesShowInTheirTypefaceAndScrollIntoView) {
    auto list = platform::ListBox::create();
    std::vector<platform::ListEntry> entries(40, {L"Plain", {255, 0, 0, 0}});
    entries[39] = {L"Liberation Serif", {255, 0, 0, 0}, 0, L"Liberation Serif"};
    list->set_entries(entries);
    auto* widget = static_cast<QListWidget*>(platform::widget_of(*list));
    EXPECT_EQ(widget->item(39)->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(widget->item(0)->font(), widget->font());

    auto window = platform::Window::create();
    list->set_height(120);
    window->set_content(list);
    window->resize(200, 120);
    window->activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(platform::widget_of(*window)));
    const QRect viewport = widget->viewport()->rect();
    EXPECT_FALSE(viewport.contains(widget->visualItemRect(widget->item(39))));
    list->scroll_into_view(39);
    EXPECT_TRUE(viewport.contains(widget->visualItemRect(widget->item(39))));
    list->scroll_into_view(40);  // past the end: nothing
}

}  // namespace
