"""Start-up and shut-down of the real game: its two windows, a missing texture,
a missing sound device, and the q key."""

import harness
from harness import check

with harness.Display() as display:
    # The panel window, titled Tumblewell, at 800 by 600 with its 630 by 500
    # tunnel view; q ends the game with status 0.
    with harness.Game(display) as game:
        game.start()
        window = game.wait_window()
        check(game.geometry(window)[2:] == (800, 600), "panel window is not 800 by 600")
        tree = display.run(["xwininfo", "-children", "-id", str(window)]).stdout
        check(" 630x500+170+0 " in tree, "no 630 by 500 sub-window at (170, 0):\n" + tree)
        game.keys("q")
        check(game.wait_exit(10) == 0, "q did not end the game with status 0")

    # Without green.ppm the game names the missing picture and fails, before any
    # sub-window exists, and tries no later picture.
    with harness.Game(display, omit=["green.ppm"]) as game:
        game.start()
        status = game.wait_exit(20)
        out, err = game.output()
        check(status not in (None, 0), "a missing texture must end with a failure status, got %r" % status)
        check(out == "Couldn't find green texture file\n", "stdout was %r" % out)

    # With no usable sound device the game says so once and plays on silently.
    with harness.Game(display, env={"SDL_AUDIODRIVER": "no-such-driver"}) as game:
        game.start()
        game.wait_window()
        out, err = game.output()
        lines = [line for line in err.splitlines() if line.startswith("Unable to open audio: ")]
        check(len(lines) == 1, "expected one 'Unable to open audio' line, stderr was %r" % err)
        check(game.running(), "the game did not keep running without sound")
        game.keys("q")
        check(game.wait_exit(10) == 0, "q did not end the silent game with status 0")

print("startup: all checks passed")
