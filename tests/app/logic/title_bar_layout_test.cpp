#include "app/title_bar_layout.h"

#include <gtest/gtest.h>

namespace {

using platform::PixelRect;

TEST(TitleBarLayout, TheMonitorScaleIsTheNearestWholePercentAndOneWhenTheDpiIsOfNoUse) {
    const std::pair<int, double> cases[] = {{96, 1.0},  {110, 1.15}, {120, 1.25},
                                            {144, 1.5}, {168, 1.75}, {97, 1.01},
                                            {0, 1.0},   {-96, 1.0},  {1 << 30, 1.0}};
    for (const auto& [dpi, scale] : cases) EXPECT_DOUBLE_EQ(app::monitor_scale(dpi), scale) << dpi;
}

TEST(TitleBarLayout, InsetsBecomeColumnsAndTheDragAreasAreMeasuredInPhysicalPixels) {
    const double scale = app::monitor_scale(144);
    const auto layout =
        app::lay_out_title_bar(scale, 30, 138, {99, 200, 300.5, 400, 120.3, 12, 99}, 48);
    EXPECT_DOUBLE_EQ(layout.right_column, 92);
    EXPECT_DOUBLE_EQ(layout.left_column, 20);
    // Column 0 counts with its new width; each product is truncated.
    EXPECT_EQ(layout.drag[0], (PixelRect{330, 0, 450, 72}));
    EXPECT_EQ(layout.drag[1], (PixelRect{1380, 0, 180, 72}));

    const auto plain = app::lay_out_title_bar(1.0, 0, 0, {0, 160, 0, 380, 0, 12, 0}, 32);
    EXPECT_EQ(plain.drag[0], (PixelRect{160, 0, 0, 32}));
    EXPECT_EQ(plain.drag[1], (PixelRect{540, 0, 0, 32}));
}

}  // namespace
