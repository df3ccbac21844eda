"""The real game's start-up, sound output and shut-down: its two windows, a
missing or unusable texture, a missing or a captured sound device, the q key, a
desktop whose window manager has exited."""

import array
import os
import subprocess
import time

import harness
from harness import check

def refused_textures(display):
    """Without green.ppm, or with a pipe or a picture of absurd size in its place, the
    game names the picture, says why on stderr and fails at once; the absurd size is
    refused before it costs any memory."""
    def huge(path):  # 19 bytes that declare 16384 by 16384 pixels
        with open(path, "wb") as picture:
            picture.write(b"P6 16384 16384 255\n")
    peaks = []
    for plant, reason in [(None, "No such file or directory"), (os.mkfifo, "not a regular file"),
                          (huge, "size out of bounds")]:
        with harness.Game(display, omit=["green.ppm"]) as game:
            if plant:
                plant(game.path("green.ppm"))
            game.start(window=False)
            status, peak = game.finish()
            check(status != 0, "a refused texture must end in failure")
            check(game.output() == "Couldn't find green texture file\n", "stdout %r" % game.output())
            check("green.ppm: %s\n" % reason in game.output("stderr"),
                  "stderr %r lacks the reason %r" % (game.output("stderr"), reason))
            peaks.append(peak)
    check(peaks[2] < 2 * peaks[0], "peak memory %.0f MiB with the huge picture, %.0f without"
          % (peaks[2], peaks[0]))


def stale_window_manager(display):
    """A window manager that has exited leaves the root's _NET_SUPPORTING_WM_CHECK
    naming a window that is gone; the game starts all the same, and a live window
    manager's property is left alone."""
    def wm_check():
        return display.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout
    wm = subprocess.Popen(["openbox"], env=display.env(), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    for _ in range(100):
        if "window id" in wm_check():
            break
        time.sleep(0.1)
    live = wm_check()
    with harness.Game(display) as game:
        game.start()
        check(wm_check() == live, "the live window manager's property changed")
        game.keys("q")
        game.proc.wait(10)
    wm.terminate()
    wm.wait()
    check(wm_check() == live, "openbox took its property along: nothing stale to test")
    with harness.Game(display) as game:
        game.start()
        game.keys("q")
        check(game.proc.wait(10) == 0, "q did not end the game")


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

    refused_textures(display)

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
    stale_window_manager(display)  # last: the window manager leaves the display changed

print("startup: all checks passed; level clip peak %d, silent game peak %d" % tuple(peaks))
