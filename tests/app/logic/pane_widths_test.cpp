#include "app/pane_widths.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using app::applied_pane_width;

TEST(PaneWidths, AStoredWidthOfNoUseGivesTheDefaultAndAnyOtherIsHeldToTheRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (double no_use : {nan, infinity, -infinity, 0.0, 79.9, 2000.1}) {
        EXPECT_EQ(applied_pane_width(no_use, app::menu_pane_range), 263) << no_use;
        EXPECT_EQ(applied_pane_width(no_use, app::data_pane_range), 480) << no_use;
    }
    EXPECT_EQ(applied_pane_width(80, app::menu_pane_range), 150);
    EXPECT_EQ(applied_pane_width(2000, app::menu_pane_range), 450);
    EXPECT_EQ(applied_pane_width(300.5, app::menu_pane_range), 300.5);
    EXPECT_EQ(applied_pane_width(80, app::data_pane_range), 300);
    EXPECT_EQ(applied_pane_width(2000, app::data_pane_range), 800);
}

}  // namespace
