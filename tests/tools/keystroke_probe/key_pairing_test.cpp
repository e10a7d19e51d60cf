#include "tools/keystroke_probe/key_pairing.h"

#include <gtest/gtest.h>

namespace {

using probe::key_paint_of;

TEST(KeyPairing, AKeyTakesItsOwnChangeAndPaintNeverAnEarlierOne) {
    constexpr double offset = 1000, typed = 50;
    // A change before the key (another page's late edit) is not the key's:
    // pairing with it gave negative times.
    const auto paired = key_paint_of({1040, 1044, 1052, 1060, 1070, 1075}, offset, typed);
    ASSERT_TRUE(paired);
    EXPECT_EQ(paired->changed, 52);
    EXPECT_EQ(paired->painted, 60);

    // The key's change not painted yet: wait, even when a later one is.
    EXPECT_FALSE(key_paint_of({1052, 0, 1070, 1075}, offset, typed));
    // No change after the key, nothing at all, a cut pair.
    EXPECT_FALSE(key_paint_of({1040, 1044}, offset, typed));
    EXPECT_FALSE(key_paint_of({}, offset, typed));
    EXPECT_FALSE(key_paint_of({1052}, offset, typed));
}

}  // namespace
