#!/usr/bin/env python3
"""Soak test: the real game under Xvfb with its clock twenty times faster, driven
by random clicks on the grid and the buttons and random command keys for a
given number of seconds. Never q nor Exit, which end the game; a name is typed
whenever a game may have ended.

    python3 tests/soak/soak.py BINARY SECONDS

Passes when the game is still running at the end, its resident memory grew by
less than a few MiB after the first part of the run, and "scores.dat" is a
valid table.
"""

import os
import random
import struct
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
import harness  # noqa: E402
from harness import check  # noqa: E402

SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
GROWTH_LIMIT_KIB = 4 * 1024

# Button centres in panel points, Exit left out.
BUTTONS = [(76, 541), (76, 511), (76, 481), (41, 451), (124, 451), (82, 311), (82, 251),
           (41, 281), (124, 281), (76, 571)]
EXIT = (35, 410, 118, 433)
KEYS = ["n", "s", "e", "f", "d", "x", "S", "BackSpace"]


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def random_point(rng):
    choice = rng.random()
    if choice < 0.5:  # a block of the flat grid
        return rng.randrange(10, 160), rng.randrange(0, 210)
    if choice < 0.8:
        return rng.choice(BUTTONS)
    while True:  # anywhere else on the panel, or just off it
        x, y = rng.randrange(-20, 820), rng.randrange(-20, 620)
        if not (EXIT[0] - 2 <= x <= EXIT[2] + 2 and EXIT[1] - 2 <= y <= EXIT[3] + 2):
            return x, y


def valid_table(blob):
    if len(blob) != 240:
        return False
    scores = [struct.unpack_from("<i", blob, i * 24 + 20)[0] for i in range(10)]
    names_ok = all(b"\0" not in blob[i * 24:i * 24 + 20] for i in range(10))
    return names_ok and scores == sorted(scores, reverse=True)


def main():
    rng = random.Random(int(os.environ.get("SOAK_SEED", "20261206")))
    with harness.Display() as display, harness.Game(display, speed=20) as game:
        game.start()
        game.wait_window()
        start = time.time()
        baseline = None
        actions = 0
        while time.time() - start < SECONDS:
            check(game.running(), "the game ended during the soak: %r" % (game.output(),))
            roll = rng.random()
            if roll < 0.6:
                x, y = random_point(rng)
                game.mouse(x, 600 - y, button=rng.choice([1, 1, 1, 3]))
            elif roll < 0.9:
                game.keys(rng.choice(KEYS))
            else:
                game.type_text("Soak %d" % actions)
                game.keys("Return")
            actions += 1
            if baseline is None and time.time() - start > min(60.0, SECONDS / 3):
                baseline = rss_kib(game.proc.pid)
        check(game.running(), "the game ended during the soak")
        grown = rss_kib(game.proc.pid) - baseline
        game.click_panel(76, 571)  # Scores: the table is read (and made, if missing)
        time.sleep(0.5)
        check(game.running(), "the game ended when the table was shown")
        with open(game.path("scores.dat"), "rb") as table:
            blob = table.read()
        check(valid_table(blob), "scores.dat is not a valid table (%d bytes)" % len(blob))
        check(grown < GROWTH_LIMIT_KIB, "resident memory grew by %d KiB" % grown)
        game.keys("q")
        check(game.wait_exit(20) == 0, "q did not end the game after the soak")
        print("soak: %d actions in %.0f s, resident memory grew %d KiB, table valid"
              % (actions, time.time() - start, grown))


if __name__ == "__main__":
    main()
