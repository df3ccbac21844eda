// Where a push button answers the mouse: its whole drawn rectangle, both
// borders included, and the column that two touching buttons share.
#include <gtest/gtest.h>

#include "app/button.h"

namespace {

TEST(ButtonHitTest, BordersBelongToTheButtonAndTouchingButtonsShareAColumn) {
    Button speedUp, speedDown;  // as the panel draws them, side by side
    speedUp.x = 0;
    speedDown.x = 83;
    speedUp.y = speedDown.y = 440;
    speedUp.w = speedDown.w = 83;
    speedUp.h = speedDown.h = 23;
    const struct {
        int x, y, up, down;
    } points[] = {{83, 450, 1, 1},  {82, 440, 1, 0},  {84, 463, 0, 1},
                  {0, 440, 1, 0},   {166, 463, 0, 1}, {-1, 450, 0, 0},
                  {167, 450, 0, 0}, {40, 439, 0, 0},  {120, 464, 0, 0}};
    for (const auto &p : points) {
        speedUp.pressed = 1 - p.up;  // a miss clears the pressed look
        EXPECT_EQ(speedUp.hitTest(p.x, p.y), p.up) << p.x << "," << p.y;
        EXPECT_EQ(speedUp.pressed, p.up) << p.x << "," << p.y;
        EXPECT_EQ(speedDown.hitTest(p.x, p.y), p.down) << p.x << "," << p.y;
    }
}

}  // namespace
