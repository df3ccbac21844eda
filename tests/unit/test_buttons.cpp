// Where a push button answers the mouse: its whole drawn rectangle, both
// borders included, and the column that two touching buttons share.
#include <gtest/gtest.h>

#include "app/button.h"

namespace {

// A button as the panel leaves it after drawing it at (x, y).
Button placed(int x, int y) {
    Button b;
    b.x = x;
    b.y = y;
    b.w = 83;
    b.h = 23;
    b.label[0] = '\0';
    b.labelLen = 0;
    b.pressed = 0;
    return b;
}

TEST(ButtonHitTest, TouchingButtonsBothAnswerOnTheSharedColumn) {
    Button speedUp = placed(0, 440), speedDown = placed(83, 440);
    Button left = placed(0, 270), right = placed(83, 270);
    EXPECT_EQ(speedUp.hitTest(83, 450), 1);
    EXPECT_EQ(speedDown.hitTest(83, 450), 1);
    EXPECT_EQ(left.hitTest(83, 280), 1);
    EXPECT_EQ(right.hitTest(83, 280), 1);
    // One pixel either side belongs to one button only.
    EXPECT_EQ(speedUp.hitTest(84, 450), 0);
    EXPECT_EQ(speedDown.hitTest(84, 450), 1);
    EXPECT_EQ(speedUp.hitTest(82, 450), 1);
    EXPECT_EQ(speedDown.hitTest(82, 450), 0);
}

TEST(ButtonHitTest, BordersAreIncludedAndAMissClearsThePressedLook) {
    Button newGame = placed(35, 530);
    const struct {
        int x, y, hit;
    } points[] = {{35, 530, 1}, {118, 553, 1}, {35, 553, 1}, {118, 530, 1},
                  {34, 540, 0}, {119, 553, 0}, {70, 529, 0}, {70, 554, 0}};
    for (const auto &p : points) {
        newGame.pressed = 1 - p.hit;
        EXPECT_EQ(newGame.hitTest(p.x, p.y), p.hit) << p.x << "," << p.y;
        EXPECT_EQ(newGame.pressed, p.hit) << p.x << "," << p.y;
    }
    newGame.hitTest(70, 540);
    newGame.release();
    EXPECT_EQ(newGame.pressed, 0);
}

}  // namespace
