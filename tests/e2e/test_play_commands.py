"""Speed + and Speed - report both tick intervals on standard output; Exit
shows the credits and the program ends by itself once they have been shown."""

import time

import harness
from harness import check

RED = (255, 0, 0)

with harness.Display() as display, harness.Game(display, speed=10) as game:
    game.start()
    game.wait_window()
    expected = ""
    for point, base in [((40, 450), 950), ((120, 450), 1000), ((120, 450), 1050)]:
        game.click_panel(*point)
        expected += "Base = %d, Current = %d\n" % (base, base)
        game.settle(0.3)
        check(game.output()[0] == expected, "stdout is %r, expected %r" % (game.output()[0], expected))

    # Exit: the credits' red title appears in the view window at once, and the
    # program ends ten game seconds later (one second at ten times the pace).
    game.click_panel(76, 421)
    started = time.time()
    shot = game.screenshot()
    title = [x for x in range(630) for y in range(36, 52) if game.view_pixel(shot, x, y) == RED]
    check(title, "no credits title in the view window")
    status = game.wait_exit(20)
    check(status == 0, "the game did not end by itself after the credits: %r" % (status,))
    check(time.time() - started > 0.5, "the game ended before the credits had been shown")
    check(game.output()[0] == expected, "unexpected output %r" % (game.output()[0],))

print("play commands: all checks passed")
