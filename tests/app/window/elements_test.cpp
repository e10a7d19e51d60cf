// The element tree of the platform layer on real (offscreen) widgets.
#include <gtest/gtest.h>

#include <variant>

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/panel.h"
#include "platform/window.h"

namespace {

using platform::Panel;
using platform::TextBlock;

TEST(Elements, PanelChildrenKeepTheirOrderAndParent) {
    auto panel = Panel::create();
    auto a = TextBlock::create(L"a"), b = TextBlock::create(L"b"), c = TextBlock::create(L"c");
    panel->children().append(a);
    panel->children().append(c);
    panel->children().insert_at(1, b);
    ASSERT_EQ(panel->children().size(), 3u);
    EXPECT_EQ(panel->children().at(1), b);
    EXPECT_EQ(panel->children().index_of(*c), 2u);
    EXPECT_EQ(a->parent(), panel);
    EXPECT_THROW(panel->children().at(3), std::out_of_range);
    EXPECT_THROW(panel->children().insert_at(5, TextBlock::create()), std::out_of_range);
}

TEST(Elements, RemovingAChildDetachesItWithoutDestroyingIt) {
    auto panel = Panel::create();
    auto row = TextBlock::create(L"row");
    std::weak_ptr<TextBlock> watch = row;
    panel->children().append(row);
    panel->children().remove_at(0);
    EXPECT_EQ(row->parent(), nullptr);
    EXPECT_FALSE(panel->children().index_of(*row));
    row.reset();
    EXPECT_TRUE(watch.expired());  // the panel let go of it

    auto kept = TextBlock::create(L"kept");
    panel->children().append(kept);
    panel->children().clear();
    EXPECT_EQ(panel->children().size(), 0u);
    EXPECT_EQ(kept->text(), L"kept");
}

TEST(Elements, AppendingToAnotherPanelMovesTheChild) {
    auto first = Panel::create(), second = Panel::create();
    auto row = TextBlock::create();
    first->children().append(row);
    second->children().append(row);
    EXPECT_EQ(first->children().size(), 0u);
    EXPECT_EQ(row->parent(), second);
    // Moving within one panel keeps a single entry.
    auto other = TextBlock::create();
    second->children().append(other);
    second->children().insert_at(0, other);
    EXPECT_EQ(second->children().size(), 2u);
    EXPECT_EQ(second->children().at(0), other);
    EXPECT_THROW(second->children().append(second), std::invalid_argument);
}

TEST(Elements, ChildrenOutliveTheirPanel) {
    auto row = TextBlock::create(L"survivor");
    {
        auto grid = platform::Grid::create();
        grid->set_columns({platform::GridLength::pixels(40), platform::GridLength::star()});
        grid->set_cell(*row, 0, 1);
        grid->children().append(row);
        EXPECT_EQ(grid->column_count(), 2u);
    }
    EXPECT_EQ(row->parent(), nullptr);
    row->set_visibility(platform::Visibility::collapsed);
    EXPECT_EQ(row->visibility(), platform::Visibility::collapsed);
}

TEST(Elements, DataContextUnboxesOnlyIntegers) {
    auto row = TextBlock::create();
    row->data_context = std::int32_t(0x0102);
    EXPECT_EQ(platform::unbox_i32(row->data_context), 0x0102);
    row->data_context = std::wstring(L"text");
    EXPECT_THROW(platform::unbox_i32(row->data_context), std::bad_variant_access);
    row->data_context = std::monostate{};
    EXPECT_THROW(platform::unbox_i32(row->data_context), std::bad_variant_access);
}

TEST(Elements, AButtonClickRaisesItsEventAndAWindowClosesOnce) {
    auto button = platform::AppBarButton::create();
    int clicks = 0;
    button->clicked.add([&](platform::AppBarButton&, const platform::NoArgs&) { ++clicks; });
    button->click();
    EXPECT_EQ(clicks, 1);

    auto window = platform::Window::create();
    window->set_content(button);
    int closed = 0;
    window->closed.add([&](platform::Window&, const platform::NoArgs&) { ++closed; });
    window->activate();
    window->close();
    window->close();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(window->is_closed());
}

}  // namespace
