"""The real game's start-up, sound output and shut-down: its two windows, a
missing texture, a missing or a captured sound device, the q key."""

import array
import time

import harness
from harness import check

with harness.Display() as display:
    # With no usable sound device the game says so once and plays on silently;
    # --colour-aid starts it with a dark shape on every block.
    with harness.Game(display, env={"SDL_AUDIODRIVER": "no-such-driver"}) as game:
        game.start(args=["--colour-aid"])
        check(sum(game.screenshot().panel(25, 15)) < 60, "no shape on the first block")
        info = display.run("xwininfo", "-name", "Tumblewell", "-stats", "-children").stdout
        check("Width: 800\n" in info and "Height: 600\n" in info and " 630x500+170+0 " in info,
              "no 800 by 600 window with a 630 by 500 sub-window at (170, 0):\n" + info)
        err = game.output("stderr")
        check(sum(line.startswith("Unable to open audio: ") for line in err.splitlines()) == 1,
              "expected one 'Unable to open audio' line, stderr was %r" % err)
        game.keys("q")
        check(game.proc.wait(10) == 0, "q did not end the game with status 0")

    # Without green.ppm the game names the missing picture and fails at once.
    with harness.Game(display, omit=["green.ppm"]) as game:
        game.start(window=False)
        check(game.proc.wait(20) != 0, "a missing texture must end in failure")
        check(game.output() == "Couldn't find green texture file\n", "stdout %r" % game.output())

    # SDL's disk driver captures the mixed output: a completed level (key n)
    # puts its clip there, and a game with sound switched off stays silent.
    peaks, env = [], {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "out.raw",
                      "SDL_DISKAUDIODELAY": "20"}
    for sound_on in (True, False):
        with harness.Game(display, env=env) as game:
            game.start()
            if not sound_on:
                game.click_panel(76, 511)  # Sound: off
            game.keys("n")  # the end of the level: bonus, clip, pause
            time.sleep(5)
            game.keys("q")
            check(game.proc.wait(15) == 0, "the game did not quit")
            with open(game.path("out.raw"), "rb") as raw:
                samples = array.array("h", raw.read())  # 16-bit little-endian stereo
            check(len(samples) > 22050, "the device captured less than half a second")
            peaks.append(max(map(abs, samples)))
    check(peaks[0] > 8000, "the level's clip was not heard: peak %d" % peaks[0])
    check(peaks[1] == 0, "sound was off but the output was not silent: peak %d" % peaks[1])

print("startup: all checks passed; level clip peak %d, silent game peak %d" % tuple(peaks))
