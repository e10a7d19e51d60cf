#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using app::placement_plan;
using app::plan_placement;
using platform::PixelRect;
using platform::WindowState;

const std::vector<PixelRect> one_screen{{0, 0, 1920, 1040}};
const std::vector<PixelRect> two_screens{{0, 0, 1920, 1040}, {1920, -200, 1280, 1024}};

core::settings stored(double x, double y, double width, double height, double maximized = 0) {
    core::settings config;
    config.WindowX = x;
    config.WindowY = y;
    config.WindowWidth = width;
    config.WindowHeight = height;
    config.AppWindowMaximized = maximized;
    return config;
}

placement_plan placed(int x, int y, int width, int height, bool maximized = false) {
    return {maximized, PixelRect{x, y, 0, 0}, PixelRect{0, 0, width, height}};
}

placement_plan held(int x, int y, int width, int height, bool maximized = false) {
    return {maximized, PixelRect{x, y, 0, 0}, PixelRect{0, 0, width, height}, true};
}

placement_plan sized(int width, int height, bool maximized = false) {
    return {maximized, std::nullopt, PixelRect{0, 0, width, height}};
}

TEST(WindowPlacement, WithoutAStoredSizeTheWindowFitsAPageBesideBothPanesWithinThePrimaryScreen) {
    EXPECT_EQ(plan_placement(core::settings{}, one_screen, true, 1.0), sized(1600, 1000));
    EXPECT_EQ(plan_placement(core::settings{}, one_screen, true, 1.25), sized(1920, 1040));
    EXPECT_EQ(plan_placement(core::settings{}, {{0, 0, 1280, 800}}, true, 1.0), sized(1280, 800));
    EXPECT_EQ(plan_placement(core::settings{}, {}, true, 1.0), sized(1600, 1000));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const core::settings& none :
         {stored(10, 10, 0, 700), stored(10, 10, 900, 0.9), stored(10, 10, -900, 700),
          stored(nan, 10, 900, 700), stored(10, 10, 1e12, 700)}) {
        EXPECT_EQ(plan_placement(none, one_screen, true, 1.0), sized(1600, 1000));
    }
    EXPECT_EQ(plan_placement(stored(0, 0, 0, 0, 1), one_screen, true, 1.0),
              sized(1600, 1000, true));
}

TEST(WindowPlacement, AStoredGeometryIsTruncatedAndMayLieAtOrBeyondTheTopLeftEdge) {
    EXPECT_EQ(plan_placement(stored(100.9, 50.2, 1200.7, 800.99), one_screen, true, 1.0),
              placed(100, 50, 1200, 800));
    EXPECT_EQ(plan_placement(stored(0, 0, 1200, 800), one_screen, true, 1.0),
              placed(0, 0, 1200, 800));
    EXPECT_EQ(plan_placement(stored(-8, -31, 1900, 1000, 1), one_screen, true, 1.0),
              placed(-8, -31, 1900, 1000, true));
    EXPECT_EQ(plan_placement(stored(2000, -150, 900, 700), two_screens, true, 1.0),
              placed(2000, -150, 900, 700));
}

TEST(WindowPlacement, AWindowThatWouldShowLessThan100By50PixelsComesBackOnThePrimaryScreen) {
    // On the primary screen: 100 by 50 pixels are enough, 99 are not.
    EXPECT_EQ(plan_placement(stored(1820, 990, 400, 300), one_screen, true, 1.0),
              placed(1820, 990, 400, 300));
    EXPECT_EQ(plan_placement(stored(1821, 990, 400, 300), one_screen, true, 1.0), sized(400, 300));
    EXPECT_EQ(plan_placement(stored(100, 991, 400, 300), one_screen, true, 1.0), sized(400, 300));
    // A screen that is gone: the size is held to the primary one.
    EXPECT_EQ(plan_placement(stored(3500, 100, 2400, 1200, 1), one_screen, true, 1.0),
              sized(1920, 1040, true));
    EXPECT_EQ(plan_placement(stored(-2147483000, 0, 2147483000, 800), one_screen, true, 1.0),
              sized(1920, 800));
}

TEST(WindowPlacement, ARestoredWindowLargerThanItsScreenIsHeldWithinItMovedNoFurtherThanNeeded) {
    const std::vector<PixelRect> small{{0, 0, 1024, 768}};
    EXPECT_EQ(plan_placement(stored(0, 0, 1598, 975), small, true, 1.0), held(0, 0, 1024, 768));
    EXPECT_EQ(plan_placement(stored(300, 200, 1598, 975), small, true, 1.0), held(0, 0, 1024, 768));
    // Too tall only: it keeps its x as far as the screen allows.
    EXPECT_EQ(plan_placement(stored(100, 50, 800, 1200), one_screen, true, 1.0),
              held(100, 0, 800, 1040));
    EXPECT_EQ(plan_placement(stored(1500, 50, 800, 1200), one_screen, true, 1.0),
              held(1120, 0, 800, 1040));
    // Held to the screen that shows most of it, not to the primary one.
    EXPECT_EQ(plan_placement(stored(1800, -100, 1400, 1100), two_screens, true, 1.0),
              held(1920, -200, 1280, 1024));
    // Maximised on a larger screen: restoring it gives the held size.
    EXPECT_EQ(plan_placement(stored(0, 0, 1598, 975, 1), small, true, 1.0),
              held(0, 0, 1024, 768, true));
    EXPECT_EQ(plan_placement(stored(-8, -31, 1936, 1056, 1), one_screen, true, 1.0),
              held(0, 0, 1920, 1040, true));
    // Not larger than its screen, maximised or not: as stored.
    EXPECT_EQ(plan_placement(stored(600, 400, 1024, 768), small, true, 1.0),
              placed(600, 400, 1024, 768));
    EXPECT_EQ(plan_placement(stored(0, 0, 1024, 768, 1), small, true, 1.0),
              placed(0, 0, 1024, 768, true));
}

TEST(WindowPlacement, WhereTheSystemPlacesWindowsOnlyTheSizeAndTheMaximisedStateApply) {
    EXPECT_EQ(plan_placement(stored(100, 50, 1200, 800), one_screen, false, 1.0), sized(1200, 800));
    EXPECT_EQ(plan_placement(stored(5000, 5000, 1200, 800, 1), one_screen, false, 1.0),
              sized(1200, 800, true));
    EXPECT_EQ(plan_placement(core::settings{}, one_screen, false, 1.0), sized(1600, 1000));
}

TEST(WindowPlacement, EachStateStoresItsShareAndMinimisedOrFullScreenStoreNothing) {
    core::settings config = stored(10, 20, 1000, 700);
    EXPECT_TRUE(app::store_placement(config, WindowState::maximized, {0, 0, 1920, 1040}, true));
    EXPECT_EQ(config.AppWindowMaximized, 1.0);
    EXPECT_EQ(config.WindowWidth, 1000);  // the restored geometry stays
    for (WindowState state : {WindowState::minimized, WindowState::full_screen}) {
        EXPECT_FALSE(app::store_placement(config, state, {0, 0, 1, 1}, true));
        EXPECT_EQ(config.AppWindowMaximized, 1.0);
        EXPECT_EQ(config.WindowX, 10);
    }
    EXPECT_TRUE(app::store_placement(config, WindowState::restored, {-4, 0, 1100, 750}, true));
    EXPECT_EQ(config.AppWindowMaximized, 0.0);
    EXPECT_EQ(config.WindowX, -4);
    EXPECT_EQ(config.WindowY, 0);
    EXPECT_EQ(config.WindowWidth, 1100);
    EXPECT_EQ(config.WindowHeight, 750);
    // The position such a system reports is (0, 0): the stored one stays.
    EXPECT_TRUE(app::store_placement(config, WindowState::restored, {0, 0, 900, 600}, false));
    EXPECT_EQ(config.WindowX, -4);
    EXPECT_EQ(config.WindowWidth, 900);
}

}  // namespace
