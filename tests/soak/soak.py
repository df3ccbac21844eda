#!/usr/bin/env python3
# Soak test: python3 tests/soak/soak.py BINARY SECONDS. Random clicks, command keys
# (never q nor Exit, its button or x) and typed names on the real game at twenty times the
# pace; it must still run, grow less than 4 MiB after the first part, and keep a valid
# "scores.dat".

import os
import random
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
rng = random.Random(int(os.environ.get("SOAK_SEED", "20261206")))
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
        with open("/proc/%d/status" % game.proc.pid) as status:
            rss = int(next(line for line in status if line.startswith("VmRSS:")).split()[1])
        samples.append((time.time() - start, rss))
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
    game.keys("q")
    check(game.proc.wait(20) == 0, "q did not end the game after the soak")
    print("soak: %d actions in %.0f s, resident memory grew %d KiB, table valid"
          % (len(samples), time.time() - start, grown))
