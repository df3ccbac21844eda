"""The tunnel view of the real game: its black middle, the fading corner edges,
and the blocks at both ends of every wall in their own colours, on the start
board and, for the fourth colour, on a board from level 3 on."""

import math
import time

import harness
from harness import check, close

BLACK = (0, 0, 0)


def to_window(x, y, z):
    """The view-window pixel (from its top left) showing tunnel point (x, y, z):
    the eye is 1.5 in front of the mouth, on the near plane of a square
    frustum stretched over 630 by 500 pixels."""
    s = 1.5 / (1.5 - z)
    return int((x * s + 1) / 2 * 630), int((1 - y * s) / 2 * 500)


# Centres (x, y) of the blocks at both ends of each wall: (side, col, centre).
END_CELLS = [(0, 0, (-0.9, -0.6)), (0, 4, (-0.9, 0.6)), (1, 0, (-0.6, 0.9)), (1, 4, (0.6, 0.9)),
             (2, 0, (0.9, 0.6)), (2, 4, (0.9, -0.6)), (3, 0, (-0.6, -0.9)), (3, 4, (0.6, -0.9))]


def end_colour(game, shot, centre, row):
    """The colour seen through the block's front face 0.03 from its edges
    toward the empty tunnel corner and the tunnel's middle. Only the front face
    and the side face toward the corner lie behind that point, both at alpha
    0.5 over black: three quarters of the block colour."""
    x, y = (v + math.copysign(0.12, v) * (1 if abs(v) < 0.75 else -1) for v in centre)
    return game.view_pixel(shot, *to_window(x, y, row * 0.3 - 2.0 + 0.15))


def grey_near(game, shot, x, y, level, reach=3):
    want = (round(255 * level),) * 3
    return any(close(game.view_pixel(shot, x + dx, y + dy), want, 3)
               for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))


with harness.Display() as display, harness.Game(display) as game:
    game.start()
    game.wait_window()
    shot = game.screenshot()
    board = harness.start_board()

    # Nothing stands in the middle of the tunnel: every wall keeps its blocks
    # outside a quarter of the half-size.
    for x in range(int(315 * 0.75), int(315 * 1.25), 4):
        for y in range(int(250 * 0.75), int(250 * 1.25), 4):
            check(game.view_pixel(shot, x, y) == BLACK,
                  "tunnel middle not black at %d,%d" % (x, y))

    # Seven segments on each corner edge, from grey 0.9 at the mouth to 0.3 at
    # the far square. The first is seen only up to the window's edge; past
    # z = -1.77 the cubes of the two walls meet over the edge and hide it.
    for cx in (-1, 1):
        for cy in (-1, 1):
            for i in range(7):
                z = {0: -0.1, 6: -1.72}.get(i, -0.05 - 0.3 * i)
                x, y = to_window(cx, cy, z)
                check(grey_near(game, shot, x, y, 0.9 - 0.1 * i),
                      "corner (%d, %d) segment %d is not grey %.1f" % (cx, cy, i, 0.9 - 0.1 * i))

    seen = set()
    for side, col, centre in END_CELLS:
        colour = board[side][3][col]
        seen.add(colour)
        got = end_colour(game, shot, centre, 3)
        want = harness.shade(harness.BLOCK_RGB[colour], 0.75, (0, 0, 0))
        check(close(got, want, 8), "side %d col %d: %s, expected %s" % (side, col, got, want))
    check(seen == {1, 2, 3}, "the start board's wall ends miss a colour: %s" % seen)

    # Light blue comes with level 3. Skip levels (n) until a wall end shows it;
    # each new level deals fresh walls, which the flat grid of the Left wall
    # shows. Read the wall ends before the first row of the level is pushed.
    def left_wall(image):
        return [[harness.nearest_block(game.panel_pixel(image, 25 + 30 * c, 15 + 30 * r), 0.8)
                 if game.panel_pixel(image, 25 + 30 * c, 15 + 30 * r) != (255, 255, 255) else 0
                 for c in range(5)] for r in range(7)]

    def dealt(wall, rows):
        return all(all(row) for row in wall[:rows]) and not any(wall[rows])

    previous, light_blue = left_wall(shot), False
    for level in range(2, 7):
        rows = 4 if level < 3 else 5
        game.keys("n")
        deadline = time.time() + 10
        while time.time() < deadline:
            shot = game.screenshot()
            wall = left_wall(shot)
            if wall != previous and dealt(wall, rows):
                break
            time.sleep(0.2)
        if wall == previous or not dealt(wall, rows):
            shot.save_png(game.path("screen.png"))
            harness.fail("level %d did not begin with %d rows on the Left wall" % (level, rows))
        previous = wall
        if level < 3:
            continue
        time.sleep(0.3)  # the view is redrawn once the level is set up
        shot = game.screenshot()
        check(left_wall(shot) == wall, "level %d: a row was pushed too soon to look" % level)
        for side, col, centre in END_CELLS:
            got = end_colour(game, shot, centre, 4)
            colour = harness.nearest_block(got, 0.75, (0, 0, 0))
            want = harness.shade(harness.BLOCK_RGB[colour], 0.75, (0, 0, 0))
            check(close(got, want, 8), "level %d side %d col %d: %s" % (level, side, col, got))
            check(side != 0 or colour == wall[4][col],
                  "Left wall col %d: tunnel shows %d, grid %d" % (col, colour, wall[4][col]))
            light_blue = light_blue or colour == 4
        if light_blue:
            break
    check(light_blue, "no light-blue block showed at a wall end in four levels")

print("view: all checks passed")
