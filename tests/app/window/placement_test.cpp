// The window's placement between runs, on the offscreen platform.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>
#include <algorithm>

#include "platform/qt/native_widget.h"
#include "window/window_fixture.h"

namespace {

using core_test::file_contains;
using platform::PixelRect;
using platform::WindowState;

class Placement : public app_test::WindowTest {
protected:
    std::unique_ptr<app::MainWindow> shown_window() {
        auto window = make_window();
        window->activate();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(native(*window)));
        return window;
    }
    static QWidget* native(const app::MainWindow& window) {
        return platform::widget_of(*window.elements().window);
    }
    static PixelRect geometry(const app::MainWindow& window) {
        return window.elements().window->geometry();
    }
    bool stored(std::u16string_view line) const {
        return file_contains(data_file(L"tembrick.ini"), line);
    }
};

TEST_F(Placement, TheStoredPlacementIsThereAtTheFirstShowAndEveryChangeComesBackNextRun) {
    write_settings({u"WindowX:\t\t0.000000", u"WindowY:\t\t30.000000",
                    u"WindowWidth:\t\t780.700000", u"WindowHeight:\t\t400.000000"});
    {
        auto window = make_window();
        std::vector<PixelRect> at_show;
        window->elements().window->changed.add(
            [&](platform::Window& w, const platform::WindowChange&) {
                if (at_show.empty()) at_show.push_back(w.geometry());
            });
        window->activate();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(native(*window)));
        // A window at the left edge keeps its place and size.
        EXPECT_EQ(geometry(*window), (PixelRect{0, 30, 780, 400}));
        ASSERT_FALSE(at_show.empty());
        EXPECT_EQ(at_show.front().width, 780);  // never shown at another size first

        window->elements().window->move(40, 50);
        window->elements().window->resize(790, 410);
        window->elements().window->close();
    }
    EXPECT_TRUE(
        stored(u"WindowX:\t\t40.000000\r\nWindowY:\t\t50.000000\r\nWindowWidth:\t\t790.000000"));
    auto window = shown_window();
    EXPECT_EQ(geometry(*window), (PixelRect{40, 50, 790, 410}));
    EXPECT_EQ(window->elements().window->state(), WindowState::restored);
}

TEST_F(Placement, AMaximisedWindowKeepsItsRestoredGeometryAndComesBackMaximised) {
    write_settings({u"WindowX:\t\t20.000000", u"WindowY:\t\t20.000000",
                    u"WindowWidth:\t\t760.000000", u"WindowHeight:\t\t360.000000"});
    {
        auto window = shown_window();
        window->elements().window->maximize();
        window->elements().window->close();
    }
    EXPECT_TRUE(stored(u"AppWindowMaximized:\t\t1.000000"));
    EXPECT_TRUE(stored(u"WindowWidth:\t\t760.000000"));
    auto window = shown_window();
    EXPECT_EQ(window->elements().window->state(), WindowState::maximized);
    window->elements().window->restore();
    static_cast<void>(QTest::qWaitFor(
        [&] {
            return geometry(*window) == PixelRect{20, 20, 760, 360};
        },
        2000));
    EXPECT_EQ(geometry(*window), (PixelRect{20, 20, 760, 360}));
}

TEST_F(Placement, ChangesAreWrittenOnceTheTimerTicksAndAMinimisedCloseKeepsThePlacement) {
    write_settings({u"WindowX:\t\t20.000000", u"WindowY:\t\t20.000000",
                    u"WindowWidth:\t\t760.000000", u"WindowHeight:\t\t360.000000"});
    auto window = shown_window();
    window->elements().window->move(60, 70);
    EXPECT_TRUE(window->placement_write_timer().is_running());
    EXPECT_FALSE(stored(u"WindowX:\t\t60.000000"));
    window->placement_write_timer().tick_now();
    EXPECT_TRUE(stored(u"WindowX:\t\t60.000000"));

    // Minimised: the placement stays as it was; everything else is written.
    window->session().config().DocumentZoom = 130;
    native(*window)->showMinimized();
    ASSERT_EQ(window->elements().window->state(), WindowState::minimized);
    window->elements().window->close();
    EXPECT_FALSE(window->placement_write_timer().is_running());
    EXPECT_TRUE(stored(u"DocumentZoom:\t\t130.000000"));
    EXPECT_TRUE(
        stored(u"WindowX:\t\t60.000000\r\nWindowY:\t\t70.000000\r\nWindowWidth:\t\t760.000000"));
    EXPECT_TRUE(stored(u"AppWindowMaximized:\t\t0.000000"));
}

TEST_F(Placement, FullScreenHidesTheHeaderRowAndAWindowNeverShownKeepsTheStoredPlacement) {
    auto window = shown_window();
    window->elements().window->enter_full_screen();
    EXPECT_EQ(window->elements().title_bar_grid->visibility(), platform::Visibility::collapsed);
    window->elements().window->restore();
    EXPECT_EQ(window->elements().title_bar_grid->visibility(), platform::Visibility::visible);
    window->elements().window->close();

    write_settings({u"WindowX:\t\t5.000000", u"WindowWidth:\t\t300.000000"});
    auto never_shown = make_window();
    never_shown->elements().window->close();
    EXPECT_TRUE(stored(u"WindowX:\t\t5.000000"));
    EXPECT_TRUE(stored(u"WindowWidth:\t\t300.000000"));
}

TEST_F(Placement, TheHeaderRowsDragAreasLieBesideTheToolBarInPhysicalPixels) {
    auto window = shown_window();
    const platform::Grid& row = *window->elements().title_bar_grid;
    const auto beside_tool_bar = [&](int height) {
        const int brand = int(row.actual_column_width(1));
        const int tool_bar_left = brand + int(row.actual_column_width(2));
        return std::vector<PixelRect>{{brand, 0, tool_bar_left - brand, height},
                                      {tool_bar_left + int(row.actual_column_width(3)), 0,
                                       int(row.actual_column_width(4)), height}};
    };
    const auto expect_beside_tool_bar = [&](int height) {
        // The row settles over a few layout passes; a busy machine takes longer.
        const auto& rectangles = window->elements().window->drag_rectangles();
        static_cast<void>(
            QTest::qWaitFor([&] { return rectangles == beside_tool_bar(height); }, 5000));
        EXPECT_EQ(rectangles, beside_tool_bar(height));
        ASSERT_EQ(rectangles.size(), 2u);
        EXPECT_GT(rectangles[1].width, 0);
    };
    expect_beside_tool_bar(48);
    // Without the tool bar the row is lower and its title longer.
    window->OnBarsMenuClick(app::main_menu_command::tool_bar);
    expect_beside_tool_bar(32);
    EXPECT_EQ(row.actual_column_width(3), 0);
}

TEST_F(Placement, WidePanesGiveWayToTheDocumentViewAndTheSettingsKeepThem) {
    write_settings({u"MenuPanelWidth:\t\t450.000000", u"DataPanelWidth:\t\t800.000000"});
    {
        auto window = shown_window();
        const auto& e = window->elements();
        QWidget* top = native(*window);
        // The window's own start-up fit would undo a resize made before it.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !e.window->fitting_frame_into_screen(); }, 10000));
        const QRect screen = top->screen()->availableGeometry();
        EXPECT_LE(top->minimumWidth(), screen.width());
        for (const int width : {1600, 1250, 1024, 700, 480}) {
            top->resize(width, 700);
            pump();
            const double row = e.pane_row->actual_size().width;
            const double menu = e.menu_pane->actual_size().width;
            const double view = e.main_webview->actual_size().width;
            const double data = e.data_pane->actual_size().width;
            EXPECT_EQ(top->width(), width);
            EXPECT_GE(view, std::min(row / 3, 320.0) - 1) << width;
            EXPECT_EQ(menu + view + data, row) << width;
            if (width == 1600) {
                EXPECT_EQ(menu, 450);
                EXPECT_EQ(data, 800);
            } else {
                // In proportion, while each still has what its controls need.
                EXPECT_NEAR(menu / data, 450.0 / 800, 0.02) << width;
            }
        }
        window->elements().window->close();
    }
    EXPECT_TRUE(stored(u"MenuPanelWidth:\t\t450.000000"));
    EXPECT_TRUE(stored(u"DataPanelWidth:\t\t800.000000"));
}

}  // namespace
