#include "platform/random.h"

#include <gtest/gtest.h>

namespace quillo::platform {
namespace {

// From seed 1, with next = seed * 0x08088405 + 1 (mod 2^32):
//   s1 = 0x08088405 + 1                                   = 0x08088406 = 134775814
//   s2 = 134775814 * 134775813 + 1 = 18164519904586783 mod 2^32 = 0xDC6DAC1F = 3698175007
//   s3 = 3698175007 * 134775813 + 1 = 498424543184705692 mod 2^32 = 0x33DC589C = 870078620
// next_int(100) = s * 100 / 2^32: 13477581400 / 4294967296 = 3.14 -> 3,
//   369817500700 / 2^32 = 86.1 -> 86, 87007862000 / 2^32 = 20.26 -> 20.
TEST(Random, FollowsTheClassicSequence) {
    Random r(1);
    EXPECT_EQ(r.next_int(100), 3);
    EXPECT_EQ(r.seed_value(), 0x08088406u);
    EXPECT_EQ(r.next_int(100), 86);
    EXPECT_EQ(r.seed_value(), 0xDC6DAC1Fu);
    EXPECT_EQ(r.next_int(100), 20);
    EXPECT_EQ(r.seed_value(), 0x33DC589Cu);

    r.seed(1);
    EXPECT_DOUBLE_EQ(r.next_real(), 134775814.0 / 4294967296.0);
    EXPECT_DOUBLE_EQ(r.next_real(), 3698175007.0 / 4294967296.0);

    // Seeding again restarts the same sequence; the shared instance behaves the same.
    app_random().seed(1);
    EXPECT_EQ(app_random().next_int(100), 3);
    EXPECT_EQ(app_random().next_int(100), 86);
}

TEST(Random, StaysInRange) {
    Random r(0);
    // Seed 0 steps to 1: the smallest step gives 0 for any range.
    EXPECT_EQ(r.next_int(1000), 0);
    r.seed(0xFFFFFFFEu);  // steps to 0xFFFFFFFE * 0x08088405 + 1 = 0xEFEEF7F7 mod 2^32
    EXPECT_EQ(r.next_int(2), 1);

    r.seed(12345);
    for (int i = 0; i < 10000; ++i) {
        const int v = r.next_int(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        const double d = r.next_real();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
    }
    EXPECT_EQ(r.next_int(1), 0);
    EXPECT_EQ(r.next_int(0), 0);
    EXPECT_EQ(r.next_int(-5), 0);

    // A zero range still steps, so the sequence after it is the one after any other draw.
    Random a(1), b(1);
    a.next_int(0);
    b.next_int(50);
    EXPECT_EQ(a.next_int(100), b.next_int(100));

    // The largest range must not overflow: seed 0xFFFFFFFF steps to 1 - 0x08088405 = 0xF7F77BFC,
    // and 0xF7F77BFC * (2^31 - 1) / 2^32 = 0xF7F77BFC / 2 - 0.97 = 2080095742 - 0.97.
    r.seed(0xFFFFFFFFu);
    EXPECT_EQ(r.next_int(0x7FFFFFFF), 2080095741);
}

}  // namespace
}  // namespace quillo::platform
