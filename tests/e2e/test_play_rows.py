"""Rows of random blocks arrive at the mouth of each wall in turn: Left, Top,
Right, Bottom. The blocks are the C library's rand() values that follow the 80
dealt at start-up, five a row."""

import time

import harness
from harness import check

with harness.Display() as display, harness.Game(display) as game:
    game.start()
    game.wait_window()
    rows = harness.start_board(rows=1, skip=80)  # rows[k][0]: the k-th row built

    # The first row lands on Left about 5.4 s into the game, on top of its 4 rows.
    deadline = time.time() + 30
    while time.time() < deadline:
        first = time.time()
        if harness.read_grid(game, game.screenshot())[4] != [0] * 5:
            break
        time.sleep(0.1)
    else:
        harness.fail("no row reached the Left wall")

    # A row takes five ticks of a second: the fourth lands about 15 s after the
    # first and the fifth about 20 s after it. Look at each wall in between.
    time.sleep(max(0.0, first + 15.8 - time.time()))
    for key, side, name in [("s", 0, "Left"), ("e", 1, "Top"), ("f", 2, "Right"), ("d", 3, "Bottom")]:
        game.keys(key)
        grid = harness.read_grid(game, game.screenshot())
        check(grid[4] == rows[side][0] and grid[5] == [0] * 5,
              "%s wall's rows 4 and 5 are %s and %s, expected the row %s"
              % (name, grid[4], grid[5], rows[side][0]))
    check(time.time() < first + 19.5, "the walls were looked at too late to be sure")

print("play rows: all checks passed")
