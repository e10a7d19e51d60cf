// The element tree of the platform layer on real (offscreen) widgets.
#include <gtest/gtest.h>

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/panel.h"
#include "platform/window.h"

namespace {

using platform::Panel;
using platform::TextBlock;

TEST(Elements, ChildrenKeepOrderAndParentAndMoveOrDetachWithoutBeingDestroyed) {
    auto panel = Panel::create(), other = Panel::create();
    auto a = TextBlock::create(L"a"), b = TextBlock::create(L"b"), c = TextBlock::create(L"c");
    panel->children().append(a);
    panel->children().append(c);
    panel->children().insert_at(1, b);
    EXPECT_EQ(panel->children().at(1), b);
    EXPECT_EQ(panel->children().index_of(*c), 2u);
    EXPECT_EQ(a->parent(), panel);
    EXPECT_THROW(panel->children().at(3), std::out_of_range);
    EXPECT_THROW(panel->children().insert_at(5, TextBlock::create()), std::out_of_range);
    EXPECT_THROW(panel->children().append(panel), std::invalid_argument);

    // Moving within one panel keeps a single entry; to another takes it away.
    panel->children().insert_at(0, c);
    EXPECT_EQ(panel->children().size(), 3u);
    EXPECT_EQ(panel->children().at(0), c);
    other->children().append(c);
    EXPECT_EQ(panel->children().size(), 2u);
    EXPECT_EQ(c->parent(), other);

    std::weak_ptr<TextBlock> watch = a;
    panel->children().remove_at(0);
    EXPECT_EQ(a->parent(), nullptr);
    a.reset();
    EXPECT_TRUE(watch.expired());  // the panel let go of it
}

TEST(Elements, ChildrenOutliveTheirPanelAndAWindowClosesOnce) {
    auto row = TextBlock::create(L"survivor");
    {
        auto grid = platform::Grid::create();
        grid->set_columns({platform::GridLength::pixels(40), platform::GridLength::star()});
        grid->set_cell(*row, 0, 1);
        grid->children().append(row);
    }
    EXPECT_EQ(row->parent(), nullptr);

    auto window = platform::Window::create();
    window->set_content(platform::AppBarButton::create());
    int closed = 0;
    window->closed.add([&](platform::Window&, const platform::NoArgs&) { ++closed; });
    window->activate();
    window->close();
    window->close();
    EXPECT_EQ(closed, 1);
}

}  // namespace
