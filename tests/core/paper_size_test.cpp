#include "core/paper_size.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/document/document_data.h"
#include "engine/document/page_setup.h"

namespace {

struct PageSetup : ::testing::Test {
    PageSetup() {
        data.page_setup.groups.resize(1);
        data.page_setup.group_count = 1;
    }
    engine::doc_record& sized(double width, std::uint16_t height) {
        engine::doc_record& record = data.page_setup.groups[0].record;
        record.d1 = width;
        record.v[0] = height;
        record.v[2] = 19;  // a margin, which no choice touches
        return record;
    }
    static std::pair<double, int> size_of(const engine::doc_record& record) {
        return {record.d1, record.v[0]};
    }

    engine::document_data data{L""};
};

TEST_F(PageSetup, PaperTakesThePageOrientationAndUnknownSizesShowAsA4) {
    engine::doc_record& page = sized(220, 300);
    EXPECT_EQ(engine::paper_kind(&data), double(core::Paper::a4));
    core::set_paper(page, core::Paper::a4);
    EXPECT_EQ(size_of(page), std::make_pair(210.0, 297));

    core::set_landscape(page, true);
    core::set_paper(page, core::Paper::legal);
    EXPECT_EQ(size_of(page), std::make_pair(356.0, 216));
    EXPECT_EQ(engine::paper_kind(&data), double(core::Paper::legal));
    EXPECT_EQ(engine::is_landscape(&data), 1.0);
    core::set_paper(page, core::Paper::letter);
    EXPECT_EQ(size_of(page), std::make_pair(279.0, 216));
    EXPECT_EQ(page.v[2], 19);
}

TEST_F(PageSetup, OrientationSwapsOnlyWhenItChangesAndTheHeightIsAWholeNumberInRange) {
    engine::doc_record& page = sized(297, 210);
    core::set_landscape(page, true);  // already landscape
    EXPECT_EQ(size_of(page), std::make_pair(297.0, 210));

    sized(210.7, 297);
    core::set_landscape(page, true);
    EXPECT_EQ(size_of(page), std::make_pair(297.0, 210));
    core::set_landscape(page, false);
    EXPECT_EQ(size_of(page), std::make_pair(210.0, 297));

    sized(1e300, 297);
    core::set_landscape(page, false);
    EXPECT_EQ(size_of(page), std::make_pair(297.0, 65535));
    sized(-5, 297);
    core::set_landscape(page, true);
    EXPECT_EQ(size_of(page), std::make_pair(297.0, 1));

    for (double width :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        for (bool landscape : {true, false}) {
            sized(width, 297);
            core::set_landscape(page, landscape);
            EXPECT_EQ(page.v[0], 297);
            EXPECT_FALSE(std::isfinite(page.d1));
        }
    }
}

}  // namespace
