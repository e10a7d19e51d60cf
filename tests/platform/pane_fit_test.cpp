#include "platform/pane_fit.h"

#include <gtest/gtest.h>

namespace {

using platform::ContentShare;
using platform::PaneWidths;

constexpr ContentShare view{1.0 / 3, 320};

TEST(PaneFit, PanesGiveWayInProportionSoTheContentKeepsItsShare) {
    const struct {
        const char* what;
        double row;
        PaneWidths open;
        PaneWidths needs;
        PaneWidths given;
    } cases[] = {
        {"room for all", 1600, {450, 800}, {0, 0}, {450, 800}},
        {"a 1024 screen: the view keeps 320", 1024, {450, 800}, {0, 0}, {253.44, 450.56}},
        {"a narrow row: the view keeps a third", 600, {450, 800}, {0, 0}, {144, 256}},
        {"the menu held at its need", 600, {450, 800}, {200, 0}, {200, 200}},
        {"the data pane held at its need", 600, {450, 800}, {0, 300}, {100, 300}},
        {"no room left at all", 0, {263, 480}, {0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const double least = platform::content_least_width(c.row, view, 0);
        const PaneWidths given = platform::fit_side_panes(c.row, c.open, c.needs, least);
        EXPECT_NEAR(given.start, c.given.start, 0.01);
        EXPECT_NEAR(given.end, c.given.end, 0.01);
    }
    // The content's own controls need more than its share.
    EXPECT_EQ(platform::content_least_width(600, view, 250), 250);
}

TEST(PaneFit, TheNarrowestRowHoldsWhatThePanesAndTheContentNeed) {
    EXPECT_DOUBLE_EQ(platform::narrowest_row({100, 50}, view, 0), 225);    // a third for the view
    EXPECT_DOUBLE_EQ(platform::narrowest_row({500, 400}, view, 0), 1220);  // 320 for the view
    EXPECT_DOUBLE_EQ(platform::narrowest_row({100, 50}, view, 500), 650);  // the view's own need
}

}  // namespace
