"""The credits of the real game, shown in the view window once Exit is
pressed: a red title and underline, cyan lines, all on black."""

import harness
from harness import check

RED, CYAN, BLACK = (255, 0, 0), (0, 255, 255), (0, 0, 0)

# Text lines as (y in the window's normalised coordinates, colour, characters).
LINES = [(0.8, RED, 18), (0.75, RED, 25), (0.6, CYAN, None), (0.5, CYAN, None),
         (0.4, CYAN, None), (0.3, CYAN, None), (-0.3, CYAN, None), (-0.4, CYAN, None),
         (-0.6, CYAN, 52), (-0.7, CYAN, None)]

with harness.Display() as display, harness.Game(display) as game:
    game.start()
    game.wait_window()
    game.click_panel(76, 421)  # Exit
    game.settle(0.5)
    shot = game.screenshot()

    # Every line starts a tenth of the width from the left, x = 63, with its
    # baseline at its y; a glyph of the 8 by 13 font reaches 2 pixels below it
    # and 11 above. Each line is all of its colour, 8 pixels a character.
    claimed = set()
    for y, colour, length in LINES:
        base = int((1 - y) / 2 * 500)
        lit = [(x, row) for x in range(630) for row in range(base - 11, base + 2)
               if game.view_pixel(shot, x, row) != BLACK]
        check(lit, "no text at y = %s" % y)
        for x, row in lit:
            got = game.view_pixel(shot, x, row)
            check(got == colour, "line at y = %s has %s at %d,%d" % (y, got, x, row))
        left, right = min(x for x, _ in lit), max(x for x, _ in lit)
        check(63 <= left < 63 + 8, "line at y = %s starts at %d" % (y, left))
        check(right < 63 + 70 * 8, "line at y = %s runs to %d" % (y, right))
        if length:
            check(63 + 8 * length - 8 < right < 63 + 8 * length,
                  "line at y = %s ends at %d, not after %d characters" % (y, right, length))
        claimed.update(lit)

    # Nothing else is drawn: no tunnel, no blocks.
    for x in range(0, 630, 3):
        for row in range(0, 500, 3):
            check((x, row) in claimed or game.view_pixel(shot, x, row) == BLACK,
                  "credits ground not black at %d,%d" % (x, row))

print("credits: all checks passed")
