"""The real game at its own pace: the control panel, the tunnel view, rows
arriving wall by wall, a group clicked away, light blue from level 3, a button
held down; then every known scene against its reference screenshot."""

import math
import time

import harness
import reference
from harness import BLACK, WHITE, check, close, shade

FACE, LIT, GROUND = (102, 102, 102), (204, 204, 204), (128, 128, 128)
# New Game's pixels, plain and pressed (None: where two bevels meet). Black rim
# (35, 530) to (118, 553), grey face (38, 534) to (114, 550), lit bevel left
# and top, dark right and bottom; pressed, all but the rim move right and down.
BUTTON = {
    (35, 530): (BLACK, BLACK), (117, 552): (BLACK, BLACK), (38, 534): (FACE, None),
    (113, 549): (FACE, LIT), (39, 533): (FACE, FACE), (114, 548): (FACE, FACE),
    (36, 540): (LIT, BLACK), (38, 540): (FACE, LIT), (116, 540): (BLACK, FACE),
    (70, 531): (BLACK, FACE), (70, 549): (FACE, LIT), (70, 551): (LIT, BLACK),
    (36, 551): (LIT, BLACK), (37, 550): (LIT, LIT), (115, 532): (FACE, FACE),
    (116, 531): (BLACK, FACE),
}
# The blocks at both ends of each wall: (side, col, centre x and y).
END_CELLS = [(0, 0, (-0.9, -0.6)), (0, 4, (-0.9, 0.6)), (1, 0, (-0.6, 0.9)), (1, 4, (0.6, 0.9)),
             (2, 0, (0.9, 0.6)), (2, 4, (0.9, -0.6)), (3, 0, (-0.6, -0.9)), (3, 4, (0.6, -0.9))]


def to_window(x, y, z):
    """The view pixel of tunnel point (x, y, z), seen from 1.5 before the mouth."""
    s = 1.5 / (1.5 - z)
    return int((x * s + 1) / 2 * 630), int((1 - y * s) / 2 * 500)


def end_colour(shot, centre, row):
    """The colour 0.03 inside a block's front face toward the tunnel's corner and middle."""
    # Front and side faces lie there at alpha 0.5 over black: 3/4 of the block colour.
    x, y = (v + math.copysign(0.12, v) * (1 if abs(v) < 0.75 else -1) for v in centre)
    return shot.view(*to_window(x, y, row * 0.3 - 2.0 + 0.15))


def dealt(wall, previous):
    """Whether `wall` is new, not `previous`, with 5 full rows, as from level 3 on."""
    return wall != previous and all(map(all, wall[:5])) and not any(wall[5])


def group(wall, row, col):
    """The cells joined to (row, col) through neighbours of its colour."""
    found, todo = set(), [(row, col)]
    while todo:
        r, c = todo.pop()
        if (r, c) not in found and 0 <= r < 7 and 0 <= c < 5 and wall[r][c] == wall[row][col]:
            found.add((r, c))
            todo += [(r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)]
    return found


with harness.Display() as display, harness.Game(display) as game:
    game.start()
    shot, board = game.screenshot(), harness.start_board()

    # The Left wall's 35 cells: filled ones at 80 % over white with an opaque
    # outline on the left column and a white gap on the right; empty ones white.
    for r, c in [(r, c) for r in range(7) for c in range(5)]:
        left, mid, rgb = 10 + 30 * c, 30 * r + 15, harness.BLOCK_RGB.get(board[0][r][c])
        seen = [shot.panel(left + 15, mid), shot.panel(left, mid), shot.panel(left + 29, mid)]
        want = [shade(rgb, 0.8), shade(rgb, 1), WHITE] if rgb else [WHITE]
        check(all(map(close, seen, want)), "cell %d,%d shows %s, not %s" % (r, c, seen, want))
    # Black text, 8 pixels a character; the wall in view and the next row's wall.
    for x, y, text in [(10, 380, "Level 1"), (10, 360, "Points 0"), (10, 340, "Rows Left 15"),
                       (10, 220, "Left"), (180, 20, "Left")]:
        span = shot.text_span(x, y, 8 * len(text) + 24)
        check(span and 0 < x + 8 * len(text) - span[1] < 8, "%r ends at %s" % (text, span))
    for point, (plain, _) in BUTTON.items():
        check(shot.panel(*point) == plain, "plain New Game at %s: %s" % (point, shot.panel(*point)))

    # The tunnel's middle is empty: blocks keep outside a quarter of the half-size.
    for x, y in [(x, y) for x in range(236, 393, 4) for y in range(187, 312, 4)]:
        check(shot.view(x, y) == BLACK, "tunnel middle not black at %d,%d" % (x, y))
    # Seven segments on each corner edge, grey 0.9 at the mouth to 0.3 far away;
    # the first shows up to the window's edge, cubes hide the edge past z -1.77.
    for cx, cy, i in [(cx, cy, i) for cx in (-1, 1) for cy in (-1, 1) for i in range(7)]:
        x, y = to_window(cx, cy, {0: -0.1, 6: -1.72}.get(i, -0.05 - 0.3 * i))
        grey = (round(255 * (0.9 - 0.1 * i)),) * 3
        check(any(close(shot.view(x + dx, y + dy), grey, 3) for dx in range(-3, 4)
                  for dy in range(-3, 4)), "corner %d,%d segment %d not %s" % (cx, cy, i, grey))
    for side, col, centre in END_CELLS:
        got, want = end_colour(shot, centre, 3), board[side][3][col]
        check(close(got, shade(harness.BLOCK_RGB[want], 0.75, BLACK), 8),
              "side %d col %d is %s, block %d" % (side, col, got, want))
    check({board[side][3][col] for side, col, _ in END_CELLS} == {1, 2, 3}, "a colour unseen")

    # Ticks fill the row preview from slot 0 with the rand() values after the 80
    # of the walls: a cube's front face shows its texture, an empty slot the ground.
    rows = harness.start_board(rows=1, skip=80)  # rows[k][0]: the k-th row built
    shot = game.wait_for(lambda shot: shot.panel(331, 40) != GROUND, 5)
    texture = {1: (220, 30, 30), 2: (20, 190, 80), 3: (30, 50, 225)}[rows[0][0][0]]
    check(close(shot.panel(331, 40), texture, 40), "preview slot 0 is %s" % (shot.panel(331, 40),))
    check(shot.panel(331 + 75 * 4, 40) == GROUND, "preview slot 4 is not empty")

    # Rows land on Left, Top, Right, Bottom in turn, on top of their 4 rows: the
    # first about 5.4 s in, then one every five ticks of a second. Look at each
    # wall between the fourth row and the fifth.
    game.wait_for(lambda shot: any(shot.grid()[4]))
    first = time.time()
    time.sleep(15.8)
    for key, side in [("s", 0), ("e", 1), ("f", 2), ("d", 3)]:
        game.keys(key)
        wall = game.screenshot().grid()
        check(wall[4] == rows[side][0] and not any(wall[5]),
              "side %d rows 4 and 5 are %s, %s, not the row %s" % (side, *wall[4:6], rows[side][0]))
    check(time.time() < first + 19.5, "the walls were looked at too late to be sure")

    # A click on the Bottom wall takes its first group of two or more away, and
    # the wall collapses toward the far end.
    row, col = next((r, c) for r in range(5) for c in range(5) if len(group(wall, r, c)) > 1)
    removed = group(wall, row, col)
    kept = [[wall[r][c] for r in range(7) if wall[r][c] and (r, c) not in removed]
            for c in range(5)]
    expected = [[column[r] if r < len(column) else 0 for column in kept] for r in range(7)]
    game.click_panel(25 + 30 * col, 15 + 30 * row)
    time.sleep(0.3)
    got = game.screenshot().grid()
    check(got == expected, "clicked %d,%d, the grid is %s, not %s" % (row, col, got, expected))

    # Light blue comes with level 3: skip levels (n) until a wall end shows it,
    # reading each level's walls before its first row is pushed.
    game.keys("s")
    previous, light_blue = game.screenshot().grid(), False
    game.keys("n")  # level 2; each turn of the loop then ends one more level
    for level in range(3, 7):
        game.keys("n")
        wall = game.wait_for(lambda shot: dealt(shot.grid(), previous), 15).grid()
        check(dealt(wall, previous), "level %d did not begin with 5 rows on the Left wall" % level)
        previous = wall
        time.sleep(0.3)  # the view is redrawn once the level is set up
        shot = game.screenshot()
        check(shot.grid() == wall, "level %d: a row was pushed too soon to look" % level)
        for side, col, centre in END_CELLS:
            got = end_colour(shot, centre, 4)
            colour = harness.nearest_block(got, 0.75, BLACK)
            check(close(got, shade(harness.BLOCK_RGB[colour], 0.75, BLACK), 8)
                  and (side != 0 or colour == wall[4][col]),
                  "level %d side %d col %d shows %s, grid %s" % (level, side, col, got, wall[4]))
            light_blue = light_blue or colour == 4
        if light_blue:
            break
    check(light_blue, "no light-blue block showed at a wall end in four levels")

    game.click_panel(76, 541, action="mousedown")  # New Game held down
    time.sleep(0.3)
    shot = game.screenshot()
    for point, (_, pressed) in BUTTON.items():
        check(pressed in (None, shot.panel(*point)), "pressed New Game at %s: %s"
              % (point, shot.panel(*point)))
    reference.compare(reference.shoot(display))

print("screens: all checks passed")
