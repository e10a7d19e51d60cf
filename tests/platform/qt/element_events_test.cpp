// Elements on the offscreen platform: pointer and size events, gradients
// and the laid-out widths of grid columns.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "platform/info_bar.h"
#include "platform/panel.h"
#include "platform/qt/native_widget.h"
#include "platform/qt/shown_window.h"
#include "platform/slider.h"
#include "platform/window.h"

namespace {

using platform::Color;
using platform::Element;
using platform::GridLength;
using platform::Point;

using platform_test::shown_window;

QColor colour_at(Element& element, QPoint at) {
    return platform::widget_of(element)->grab().toImage().pixelColor(at);
}

// From the first inked column to the last, against the commonest shade.
int inked_width(Element& element) {
    const QImage image = platform::widget_of(element)->grab().toImage();
    std::array<int, 256> shades{};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++shades[std::size_t(qGray(image.pixel(x, y)))];
    const int ground = int(std::max_element(shades.begin(), shades.end()) - shades.begin());
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(qGray(image.pixel(x, y)) - ground) < 64) continue;
            first = std::min(first, x);
            last = std::max(last, x);
        }
    }
    return last < first ? 0 : last - first + 1;
}

TEST(ElementEvents, ThePointerEntersMovesLeavesAndTapsWithPositionsInTheElement) {
    auto row = platform::Panel::create(platform::Orientation::horizontal);
    auto target = platform::Panel::create();
    target->set_width(80);
    target->set_height(40);
    row->children().append(target);
    const auto window = shown_window(row);
    std::vector<std::string> seen;
    auto& events = target->events();
    events.pointer_entered.add([&](Element&, const Point&) { seen.push_back("entered"); });
    events.pointer_moved.add([&](Element&, const Point& p) {
        seen.push_back("moved " + std::to_string(int(p.x)) + "," + std::to_string(int(p.y)));
    });
    events.pointer_exited.add([&](Element&, const Point&) { seen.push_back("exited"); });
    events.tapped.add(
        [&](Element&, const Point& p) { seen.push_back("tapped " + std::to_string(int(p.x))); });

    QWidget* widget = platform::widget_of(*target);
    QTest::mouseMove(widget, QPoint(10, 10));
    QTest::mouseMove(widget, QPoint(20, 15));
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(30, 15));
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(30, 15));
    QTest::mouseMove(platform::widget_of(*row), QPoint(150, 50));
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen.front(), "entered");
    EXPECT_NE(std::find(seen.begin(), seen.end(), "moved 20,15"), seen.end());
    EXPECT_EQ(std::count(seen.begin(), seen.end(), "tapped 30"), 1);
    EXPECT_EQ(seen.back(), "exited");
}

TEST(ElementEvents, AHandlerMayDropTheLastHoldOnTheElementItIsRaisedFor) {
    auto row = platform::Panel::create();
    auto target = platform::Panel::create();
    target->set_height(40);
    row->children().append(target);
    const auto window = shown_window(row);
    std::weak_ptr<Element> watch = target;
    target->events().tapped.add([&](Element&, const Point&) { row->children().clear(); });
    QWidget* widget = platform::widget_of(*target);
    target.reset();
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(row->children().size(), 0u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch.expired());
}

TEST(ElementEvents, SizeChangesAreRaisedWithTheLaidOutSize) {
    auto row = platform::Panel::create(platform::Orientation::horizontal);
    auto pane = platform::Panel::create();
    pane->set_width(120);
    row->children().append(pane);
    std::vector<double> widths;
    pane->events().size_changed.add(
        [&](Element&, const platform::Size& s) { widths.push_back(s.width); });
    const auto window = shown_window(row);
    EXPECT_EQ(pane->actual_size().width, 120);
    pane->set_width(150);
    QCoreApplication::processEvents();
    EXPECT_EQ(pane->actual_size().width, 150);
    ASSERT_FALSE(widths.empty());
    EXPECT_EQ(widths.back(), 150);
}

TEST(ElementLooks, AGradientSpansTheElementWhetherPaintedAsBackgroundOrBorder) {
    const platform::LinearGradientBrush red_to_blue{
        {0, 0}, {0, 1}, {{Color{255, 255, 0, 0}, 0.0}, {Color{255, 0, 0, 255}, 1.0}}};
    auto column = platform::Panel::create();
    auto plain = platform::Panel::create();
    plain->set_height(100);
    plain->set_background(red_to_blue);
    auto bordered = platform::Panel::create();
    bordered->set_height(100);
    platform::set_border(*bordered, {red_to_blue, Color{0, 0, 0, 0}, 0, 0});
    column->children().append(plain);
    column->children().append(bordered);
    const auto window = shown_window(column, 100, 200);
    for (Element* element :
         {static_cast<Element*>(plain.get()), static_cast<Element*>(bordered.get())}) {
        const QColor top = colour_at(*element, {50, 2}), bottom = colour_at(*element, {50, 97});
        EXPECT_GT(top.red(), 200) << element;
        EXPECT_LT(top.blue(), 60) << element;
        EXPECT_GT(bottom.blue(), 200) << element;
        EXPECT_LT(bottom.red(), 60) << element;
    }
}

// A caption or message shows what was typed: tags in it are characters, so
// the text takes the width of all of them, not that of a bold "Acme".
TEST(ElementLooks, TextsShowTheirTagsAsTypedWhereverTheyWrapOrNot) {
    const std::wstring typed = L"<b>Acme</b> & Sons";
    auto plain = platform::TextBlock::create(typed);
    auto wrapped = platform::TextBlock::create(typed);
    platform::set_word_wrap(*wrapped, true);
    auto one_line = platform::TextBlock::create(typed);
    platform::set_word_wrap(*one_line, true);
    platform::keep_on_one_line_when_it_fits(*one_line);
    auto message = platform::InfoBar::create();
    message->set_message(typed, 0);
    message->set_open(true);
    const std::pair<const char*, std::shared_ptr<Element>> texts[] = {
        {"plain", plain}, {"wrapped", wrapped}, {"one line", one_line}, {"message", message}};
    auto column = platform::Panel::create();
    for (const auto& [name, text] : texts) column->children().append(text);
    const auto window = shown_window(column, 500, 300);
    const int typed_width = platform::widget_of(*plain)->fontMetrics().horizontalAdvance(
        QString::fromStdWString(typed));
    for (const auto& [name, text] : texts)
        EXPECT_GT(inked_width(*text), typed_width * 9 / 10) << name;
}

TEST(ElementLooks, GridColumnsReportTheirLaidOutWidthsAndSlidersCanDropTheirTicks) {
    auto grid = platform::Grid::create();
    grid->set_columns({GridLength::pixels(40), GridLength::star(), GridLength::automatic(),
                       GridLength::pixels(12)});
    auto fixed = platform::Panel::create();
    fixed->set_width(30);
    grid->set_cell(*fixed, 0, 2);
    grid->children().append(fixed);
    EXPECT_EQ(grid->actual_column_width(7), 0);
    const auto window = shown_window(grid, 300, 40);
    EXPECT_EQ(grid->actual_column_width(0), 40);
    EXPECT_EQ(grid->actual_column_width(2), 30);
    EXPECT_EQ(grid->actual_column_width(3), 12);
    EXPECT_EQ(grid->actual_column_width(1), 300 - 40 - 30 - 12);

    auto slider = platform::Slider::create(150, 450);
    slider->set_ticks_shown(false);
    QImage with_ticks, without_ticks;
    without_ticks = platform::widget_of(*slider)->grab().toImage();
    slider->set_ticks_shown(true);
    with_ticks = platform::widget_of(*slider)->grab().toImage();
    EXPECT_NE(with_ticks, without_ticks);
}

}  // namespace
