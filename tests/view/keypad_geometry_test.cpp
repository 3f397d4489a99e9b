#include "view/keypad_geometry.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(KeypadGeometry, RectanglesOfTheCornersAndEnter) {
    EXPECT_EQ(GetKeyRect(0), (KeyRect{0, 0, 0, 0}));
    EXPECT_EQ(GetKeyRect(-4), (KeyRect{0, 0, 0, 0}));
    EXPECT_EQ(GetKeyRect(1), (KeyRect{5, 92, 40, 122}));
    EXPECT_EQ(GetKeyRect(6), (KeyRect{200, 92, 235, 122}));
    EXPECT_EQ(GetKeyRect(7), (KeyRect{5, 127, 40, 157}));
    EXPECT_EQ(GetKeyRect(20), (KeyRect{44, 197, 79, 262}));
    EXPECT_EQ(GetKeyRect(26), (KeyRect{44, 232, 79, 262}));
    EXPECT_EQ(GetKeyRect(30), (KeyRect{200, 232, 235, 262}));
}

TEST(KeypadGeometry, HitTestHonoursExclusiveEdgesAndGaps) {
    const struct {
        int x, y, key;
    } rows[] = {
        {39, 92, 1},  {40, 92, 0},   {39, 122, 0}, {44, 92, 2},   {5, 261, 25},  {5, 262, 0},
        {60, 240, 20}, {60, 200, 20}, {4, 100, 0},  {235, 100, 0}, {234, 261, 30}, {100, 91, 0},
        {120, 240, 0}, {122, 240, 28}, {0, 0, 0},   {-5, 100, 0},  {500, 500, 0},
    };
    for (const auto& row : rows) EXPECT_EQ(KeyFromPoint(row.x, row.y), row.key) << row.x << "," << row.y;
}

TEST(KeypadGeometry, EveryKeyButTheOneUnderEnterIsHitAtItsCentre) {
    for (int k = 1; k <= 30; ++k) {
        const KeyRect r = GetKeyRect(k);
        const int hit = KeyFromPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_EQ(hit, k == 26 ? 20 : k) << k;
    }
}

}  // namespace
}  // namespace tabrix
