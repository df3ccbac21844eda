"""The control panel of the real game: the flat grid of the first wall, the
status lines, the row preview and a button's plain and pressed looks."""

import time

import harness
from harness import check, close

WHITE, BLACK, GROUND = (255, 255, 255), (0, 0, 0), (128, 128, 128)
FACE, LIT = (102, 102, 102), (204, 204, 204)


def text_right_edge(game, shot, x, y, room):
    """The rightmost dark pixel within `room` pixels of a text line whose
    raster position is (x, y), or None."""
    dark = [px for px in range(x, x + room) for py in range(y - 2, y + 11)
            if sum(game.panel_pixel(shot, px, py)) < 60]
    return max(dark) if dark else None


with harness.Display() as display, harness.Game(display) as game:
    game.start()
    game.wait_window()
    # Within a second or so of start-up: rows are not pushed before about 5 s.
    shot = game.screenshot()
    board = harness.start_board()

    # All 35 cells of the Left wall: a filled cell is its colour at 80 % over
    # the white ground, with an opaque outline in the colour on its left
    # column; empty cells (rows 4 to 6) are bare white.
    for r in range(7):
        for c in range(5):
            colour = board[0][r][c]
            left, bottom = 10 + 30 * c, 30 * r
            got = game.panel_pixel(shot, left + 15, bottom + 15)
            if colour == 0:
                check(got == WHITE, "empty cell %d,%d is %s" % (r, c, got))
                continue
            rgb = harness.BLOCK_RGB[colour]
            check(close(got, harness.shade(rgb, 0.8)), "cell %d,%d is %s" % (r, c, got))
            edge = game.panel_pixel(shot, left, bottom + 15)
            check(close(edge, harness.shade(rgb, 1.0)), "cell %d,%d outline %s" % (r, c, edge))
            check(game.panel_pixel(shot, left + 29, bottom + 15) == WHITE,
                  "no white gap after cell %d,%d" % (r, c))

    # Status lines and labels, in black, each as long as its text at 8 pixels
    # a character: "Level 1", "Points 0", "Rows Left 15", the wall in view and
    # the wall the next row goes to.
    for x, y, text in [(10, 380, "Level 1"), (10, 360, "Points 0"), (10, 340, "Rows Left 15"),
                       (10, 220, "Left"), (180, 20, "Left")]:
        edge = text_right_edge(game, shot, x, y, 8 * len(text) + 24)
        check(edge is not None and x + 8 * len(text) - 8 < edge < x + 8 * len(text),
              "%r ends at %s" % (text, edge))

    # New Game, not pressed: black rim from (35, 530) to (118, 553), grey face
    # from (38, 534) to (114, 550), lit bevel on the left and top, dark on the
    # right and bottom. Pressed, all but the rim move one pixel right and down.
    # Panel pixel: (plain, pressed); None is not checked (it lies on the
    # diagonal where two bevel bands meet).
    looks = {
        (35, 530): (BLACK, BLACK), (117, 552): (BLACK, BLACK),
        (38, 534): (FACE, None), (113, 549): (FACE, LIT), (39, 533): (FACE, FACE),
        (114, 548): (FACE, FACE), (36, 540): (LIT, BLACK), (38, 540): (FACE, LIT),
        (116, 540): (BLACK, FACE), (70, 531): (BLACK, FACE), (70, 549): (FACE, LIT),
        (70, 551): (LIT, BLACK), (36, 551): (LIT, BLACK), (37, 550): (LIT, LIT),
        (115, 532): (FACE, FACE), (116, 531): (BLACK, FACE),
    }
    for point, (plain, _) in looks.items():
        got = game.panel_pixel(shot, *point)
        check(got == plain, "plain New Game at %s is %s, expected %s" % (point, got, plain))

    # The row preview: ticks fill it from slot 0 with the rand() values after
    # the 80 of the walls; a filled slot shows its texture, an empty one the
    # grey ground. (331, 40) is the middle of a cube's front face in slot 0.
    deadline = time.time() + 5
    while time.time() < deadline and game.panel_pixel(shot, 331, 40) == GROUND:
        time.sleep(0.2)
        shot = game.screenshot()
    texture = {1: (220, 30, 30), 2: (20, 190, 80), 3: (30, 50, 225)}
    first = harness.start_board(rows=1, colours=3, skip=80)[0][0][0]
    got = game.panel_pixel(shot, 331, 40)
    check(close(got, texture[first], 40), "preview slot 0 is %s, block %d" % (got, first))
    check(game.panel_pixel(shot, 331 + 75 * 4, 40) == GROUND, "preview slot 4 is not empty")

    # Holding the mouse button down on New Game shows it pressed.
    game.mouse(76, 600 - 541, action="down")
    time.sleep(0.3)
    shot = game.screenshot()
    for point, (_, pressed) in looks.items():
        got = game.panel_pixel(shot, *point)
        check(pressed is None or got == pressed,
              "pressed New Game at %s is %s, expected %s" % (point, got, pressed))

print("panel: all checks passed")
