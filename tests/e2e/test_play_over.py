"""An untouched game fills its walls until a row finds the next one full: the
game is over, the grid reads Game Over, white without a block, and no wall
is named for the next row."""

import time

import harness
from harness import check

WHITE = (255, 255, 255)


def dark_run(game, shot, x, y, room):
    """The leftmost and rightmost dark pixels of a text line at (x, y)."""
    dark = [px for px in range(x, x + room) for py in range(y - 2, y + 11)
            if sum(game.panel_pixel(shot, px, py)) < 60]
    return (min(dark), max(dark)) if dark else None


with harness.Display() as display, harness.Game(display, speed=10) as game:
    game.start()
    game.wait_window()
    # Twelve rows fill the four walls and the thirteenth finds Left full. A row
    # takes some 5 game seconds, so that is about 65 game seconds in: 6.5 s at
    # ten times the pace.
    deadline = time.time() + 30
    while time.time() < deadline:
        shot = game.screenshot()
        label = dark_run(game, shot, 10, 220, 120)
        if label and label[1] > 10 + 8 * 6:  # longer than "Bottom"
            break
        time.sleep(0.2)
    else:
        harness.fail("the game did not end by itself")
    game.settle(0.3)
    shot = game.screenshot()
    label = dark_run(game, shot, 10, 220, 120)
    check(label and 10 + 8 * 8 < label[1] < 10 + 8 * 9, "the wall label is not Game Over: %s" % (label,))
    off = [(x, y) for x in range(10, 160) for y in range(0, 210)
           if game.panel_pixel(shot, x, y) != WHITE]
    check(not off, "the grid is not bare white after the game over: %d pixels, e.g. %s" % (len(off), off[:3]))
    check(dark_run(game, shot, 180, 20, 80) is None, "a wall is still named for the next row")
    check(game.running(), "the game ended instead of waiting for a name or a new game")

print("play over: all checks passed")
