"""The high-score table from the player's side: the Scores button shows it and
makes the default file; a game that ends with a score good enough for the
table takes the name typed after it, and the file keeps it."""

import struct
import time

import harness
from harness import check

CYAN, RED = (0, 255, 255), (255, 0, 0)


def view_has(game, shot, colour, rows):
    """Whether any pixel of the view window's rows (from its top) has `colour`."""
    return any(game.view_pixel(shot, x, y) == colour for y in rows for x in range(0, 630, 2))


def records(blob):
    return [(blob[i:i + 20].decode(), struct.unpack_from("<i", blob, i + 20)[0])
            for i in range(0, 240, 24)]


with harness.Display() as display, harness.Game(display, speed=10) as game:
    game.start()
    game.wait_window()
    game.click_panel(76, 571)  # Scores
    game.settle(0.5)
    shot = game.screenshot()
    # The title sits a tenth of the height from the top, place 1 at 0.6.
    check(view_has(game, shot, CYAN, range(40, 56)), "no cyan title in the view")
    check(view_has(game, shot, CYAN, range(90, 106)), "no cyan first line in the view")
    with open(game.path("scores.dat"), "rb") as table:
        defaults = table.read()
    check(len(defaults) == 240 and records(defaults)[0] == ("Stack Master        ", 20000),
          "the default table was not written: %r" % defaults[:24])
    game.click_panel(76, 571)  # back to the tunnel, and the game runs on

    # Eight skipped levels pay 100 + 200 + ... + 800 = 3600 points; then the
    # untouched walls, five rows deep from level 3 on, overflow within seconds.
    for _ in range(8):
        game.keys("n")
        time.sleep(0.8)
    deadline = time.time() + 30
    while time.time() < deadline:
        shot = game.screenshot()
        # The table's cyan title with the red prompt below it: the name entry.
        if view_has(game, shot, CYAN, range(40, 56)) and view_has(game, shot, RED, range(436, 452)):
            break
        time.sleep(0.3)
    else:
        harness.fail("the name prompt did not appear after the game over")

    game.type_text("Bobx")
    game.keys("BackSpace", "Return")
    game.settle(0.5)
    game.keys("q")  # the keys command the game again: q quits
    check(game.wait_exit(15) == 0, "q did not end the game after the name was entered")
    with open(game.path("scores.dat"), "rb") as table:
        saved = records(table.read())
    expected = records(defaults)[:8] + [("Bob" + " " * 17, 3600), records(defaults)[8]]
    check(saved == expected, "scores.dat holds %r" % saved)

print("high scores: all checks passed")
