"""A click on the first wall's flat grid removes the group of same-coloured
blocks under it, and the grid shows the wall collapsed toward the far end."""

import harness
from harness import check


def group(wall, row, col):
    """The cells joined to (row, col) through neighbours of its colour."""
    colour, found, todo = wall[row][col], set(), [(row, col)]
    while todo:
        r, c = todo.pop()
        if (r, c) in found or not (0 <= r < 7 and 0 <= c < 5) or wall[r][c] != colour:
            continue
        found.add((r, c))
        todo += [(r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)]
    return found


# A slow clock keeps the first row from arriving while the test looks.
with harness.Display() as display, harness.Game(display, speed=0.25) as game:
    game.start()
    game.wait_window()
    wall = harness.start_board()[0]
    check(harness.read_grid(game, game.screenshot()) == wall,
          "the Left wall is not the one dealt at start-up")

    # The first cell, row by row, whose group has at least two blocks.
    row, col = next((r, c) for r in range(4) for c in range(5) if len(group(wall, r, c)) > 1)
    removed = group(wall, row, col)
    expected = [[0] * 5 for _ in range(7)]
    for c in range(5):
        kept = [wall[r][c] for r in range(7) if wall[r][c] and (r, c) not in removed]
        for r, colour in enumerate(kept):
            expected[r][c] = colour

    game.click_panel(10 + 30 * col + 15, 30 * row + 15)
    game.settle(0.3)
    got = harness.read_grid(game, game.screenshot())
    check(got == expected, "after removing %d blocks at %d,%d the grid is %s, expected %s"
          % (len(removed), row, col, got, expected))

print("play click: all checks passed")
