"""What the game plays reaches the sound device: SDL's disk driver captures the
mixed output, and a completed level (key n) must put its clip there, while a
game with sound switched off stays silent."""

import array
import time

import harness
from harness import check


def captured_peak(sound_on):
    with harness.Display() as display, harness.Game(display, env={
            "SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "out.raw",
            "SDL_DISKAUDIODELAY": "20"}) as game:
        game.start()
        game.wait_window()
        if not sound_on:
            game.click_panel(76, 511)  # Sound: off
        game.keys("n")  # skip to the end of the level: bonus, clip, pause
        time.sleep(5)
        game.keys("q")
        check(game.wait_exit(15) == 0, "the game did not quit")
        with open(game.path("out.raw"), "rb") as raw:
            samples = array.array("h", raw.read())  # 16-bit little-endian stereo
        check(len(samples) > 22050, "the device captured less than half a second")
        return max((abs(s) for s in samples), default=0)


loud = captured_peak(sound_on=True)
check(loud > 8000, "the level's clip was not heard: peak %d" % loud)
quiet = captured_peak(sound_on=False)
check(quiet == 0, "sound was off but the output was not silent: peak %d" % quiet)
print("sound capture: level clip peak %d, silent game peak %d" % (loud, quiet))
