#include "ui/output/print_layout.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<engine::document_data> with_page(double width, std::uint16_t height) {
    auto data = std::make_unique<engine::document_data>(L"");
    data->page_setup.group_count = 1;
    auto& setup = data->page_setup.groups.emplace_back().record;
    setup.d1 = width;
    setup.v[0] = height;
    return data;
}

constexpr double mm = ui::inches_per_mm;

TEST(PrintLayout, PaperGoesShortSideFirstWithTheOrientationApartAndA4WithoutAPageSetup) {
    const auto portrait = with_page(210, 297), landscape = with_page(297, 210);
    const engine::document_data empty(L"");
    const std::pair<const engine::document_data*, bool> cases[] = {
        {portrait.get(), false}, {landscape.get(), true}, {&empty, false}, {nullptr, false}};
    for (const auto& c : cases) {
        const auto layout = ui::print_layout(c.first, {20, 10, 15, 25});
        EXPECT_EQ(layout.landscape, c.second) << &c - cases;
        EXPECT_DOUBLE_EQ(layout.width_in, 210 * mm);
        EXPECT_DOUBLE_EQ(layout.height_in, 297 * mm);
    }
}

TEST(PrintLayout, MarginsInInchesWithZeroAsOneMillimetreAndTheRightOneNarrower) {
    const auto page = with_page(210, 297);
    auto layout = ui::print_layout(page.get(), {20, 10, 10, 25});
    EXPECT_DOUBLE_EQ(layout.left_in, 20 * mm);
    EXPECT_DOUBLE_EQ(layout.top_in, 10 * mm);
    EXPECT_DOUBLE_EQ(layout.right_in, 9 * mm);
    EXPECT_DOUBLE_EQ(layout.bottom_in, 25 * mm);

    layout = ui::print_layout(page.get(), {0, 0, 0, 0});
    EXPECT_DOUBLE_EQ(layout.left_in, 1 * mm);
    EXPECT_DOUBLE_EQ(layout.bottom_in, 1 * mm);
    EXPECT_DOUBLE_EQ(layout.right_in, 0);
}

}  // namespace
