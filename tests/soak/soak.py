#!/usr/bin/env python3
# Soak test: python3 tests/soak/soak.py BINARY SECONDS. Random clicks, command keys
# (never q nor Exit, its button or x) and typed names on the real game at twenty times the
# pace; it must still run, grow less than 4 MiB after the first part, and keep a valid
# "scores.dat". Then a storm of 3,000 mouse and key events a second for STORM_SECONDS
# (default 60): memory stays flat and q, pressed in the thick of it, still ends the game at once.

import os
import random
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
import harness  # noqa: E402
from harness import check  # noqa: E402

SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
BUTTONS = [(76, 541), (76, 511), (76, 481), (41, 451), (124, 451), (82, 311), (82, 251),
           (41, 281), (124, 281), (76, 571)]  # centres, in panel points
KEYS = ["n", "s", "e", "f", "d", "c", "p", "m", "h", "plus", "minus", "ctrl+n", "Up", "Right",
        "Down", "Left", "space", "S", "BackSpace"]  # never q nor x (Exit)
STORM_SECONDS = float(os.environ.get("STORM_SECONDS", "60"))
STORM_KEYS = ["s", "e", "f", "d", "c", "Up", "Down", "Left", "Right", "space"]  # none that waits
rng = random.Random(int(os.environ.get("SOAK_SEED", "20261206")))


def blow(display):
    # Half a second's share of a storm of 3,000 events a second: xdotool repeats a
    # click (a press and a release) on the grid or a button, or a key, 750 times
    # without a pause, then the rest of the half second passes.
    beat = time.time()
    if rng.random() < 0.5:
        px, py = rng.choice(BUTTONS[1:]) if rng.random() < 0.2 else (
            rng.randrange(10, 160), rng.randrange(0, 210))
        display.run("xdotool", "mousemove", harness.GAME[0] + px, harness.GAME[1] + 600 - py,
                    "click", "--repeat", 750, "--delay", 0, 1)
    else:
        display.run("xdotool", "mousemove", harness.GAME[0] + 5, harness.GAME[1] + 5, "key",
                    "--repeat", 750, "--delay", 0, rng.choice(STORM_KEYS))
    time.sleep(max(0.0, 0.5 - (time.time() - beat)))


def resident(game):  # KiB
    with open("/proc/%d/status" % game.proc.pid) as status:
        return int(next(line for line in status if line.startswith("VmRSS:")).split()[1])
with harness.Display() as display, harness.Game(display, speed=20) as game:
    game.start()
    # Warm-up: every screen and a few level changes once, so that the graphics
    # driver's pools reach their working size before memory is watched.
    for act in ["n"] * 5 + [(76, 571), (76, 571), (76, 541), (40, 40)]:
        game.keys(act) if act == "n" else game.click_panel(*act)
        time.sleep(0.4)
    # Resident memory swings by several MiB as the graphics driver's buffers come
    # and go; a leak shows as a rising floor. So the floor (least reading) of the
    # last stretch of the run is compared with that of a stretch after the start.
    start, samples = time.time(), []
    while time.time() - start < SECONDS:
        check(game.running(), "the game ended during the soak: %r" % game.output("stderr"))
        roll = rng.random()
        if roll < 0.3:  # the flat grid
            game.click_panel(rng.randrange(10, 160), rng.randrange(0, 210), rng.choice([1, 1, 3]))
        elif roll < 0.5:  # a button, never Exit
            game.click_panel(*rng.choice(BUTTONS))
        elif roll < 0.6:  # the view, or just off the window
            game.click_panel(rng.randrange(170, 820), rng.randrange(-20, 620))
        elif roll < 0.9:
            game.keys(rng.choice(KEYS))
        else:
            game.keys("Soak %d" % len(samples), command="type")
            game.keys("Return")
        samples.append((time.time() - start, resident(game)))
    settle = min(60.0, SECONDS / 3)  # the first minute, or a third of a short run
    grown = (min(kib for at, kib in samples if at > SECONDS - settle) -
             min(kib for at, kib in samples if at <= settle))
    game.click_panel(76, 571)  # Scores: the table is read (and made, if missing)
    time.sleep(0.5)
    table = harness.score_table(game.path("scores.dat"))
    scores = [score for _, score in table]
    check(game.running() and scores == sorted(scores, reverse=True)
          and all("\0" not in name for name, _ in table), "scores.dat is not a valid table")
    check(grown < 4 * 1024, "resident memory grew by %d KiB" % grown)
    # The storm, on the game as the soak left it (Exit and New Game excluded: their
    # waits are part of the game). Memory: the least reading of its last stretch
    # against that of its first.
    start, floors = time.time(), []
    while time.time() - start < STORM_SECONDS:
        blow(display)
        floors.append((time.time() - start, resident(game)))
    stretch = min(15.0, STORM_SECONDS / 4)
    stormed = (min(kib for at, kib in floors if at > STORM_SECONDS - stretch) -
               min(kib for at, kib in floors if at <= stretch))
    check(stormed < 4 * 1024, "resident memory grew by %d KiB in the storm" % stormed)
    burst = subprocess.Popen(["xdotool", "key", "--repeat", "1500", "--delay", "0", "c"],
                             env=display.env())  # still blowing when q comes
    asked = time.time()
    game.keys("Return", "q")  # a name being typed ends first
    while game.running() and time.time() - asked < 5:
        time.sleep(0.05)
    waited = time.time() - asked
    burst.wait()
    check(not game.running() and game.proc.wait() == 0,
          "q did not end the game within 5 s in a storm of 3,000 events a second")
    print("soak: %d actions in %.0f s, memory grew %d KiB, table valid; the storm's %.0f s grew "
          "it %d KiB, q ended the game in %.2f s" % (len(samples), SECONDS, grown, STORM_SECONDS,
                                                     stormed, waited))
