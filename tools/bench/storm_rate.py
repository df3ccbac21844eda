#!/usr/bin/env python3
"""The highest input rate the game absorbs with flat memory, on one core.

    python3 tools/bench/storm_rate.py BUILD_DIR [SECONDS]

The game runs pinned to one core (taskset -c 0) on the real clock; xdotool, on the
other core, blows clicks on the flat grid and the buttons and keys at a rising rate,
SECONDS (20) at each. For each rate: the rate achieved (X events a second: a click or
a key is a press and a release), the growth of resident memory from the floor of the
first quarter to that of the last, and how long the colour aid's key then takes to
show. A game that keeps up has flat memory and answers at once; one that falls behind
grows a backlog, in memory and in time.
"""

import os
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
os.environ["TW_BINARY"] = os.path.join(BUILD, "tumblewell")
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import harness  # noqa: E402

SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 20.0
RATES = [1500, 3000, 6000, 12000, 24000]
POINTS = [(76, 511), (41, 451), (124, 451), (82, 311), (41, 281), (76, 571)] + [
    (x, y) for x in range(15, 160, 30) for y in range(15, 210, 30)]
KEYS = ["s", "e", "f", "d", "m", "Up", "Down", "space"]


def resident(pid):  # KiB
    with open("/proc/%d/status" % pid) as status:
        return int(next(line for line in status if line.startswith("VmRSS:")).split()[1])


def blower(display, rate, until, sent, which):
    # One of two xdotool streams, each half the rate, pinned to the second core.
    step = 0
    while time.time() < until:
        beat = time.time()
        count = max(1, rate // 8)  # events a half second for this stream, two per click or key
        if (step + which) % 2:
            px, py = POINTS[step % len(POINTS)]
            display.run("taskset", "-c", "1", "xdotool", "mousemove", harness.GAME[0] + px,
                        harness.GAME[1] + 600 - py, "click", "--repeat", count, "--delay", 0, 1)
        else:
            display.run("taskset", "-c", "1", "xdotool", "key", "--repeat", count, "--delay", 0,
                        KEYS[step % len(KEYS)])
        sent[which] += 2 * count
        step += 1
        time.sleep(max(0.0, 0.5 - (time.time() - beat)))


def aid_shown(game):
    shot = game.screenshot()
    return any(sum(shot.panel(25 + 30 * c, 15)) < 60 for c in range(5))


def main():
    print("| X events a second, asked | achieved | memory growth | the c key shown after |")
    print("|---|---|---|---|")
    with harness.Display() as display:
        for rate in RATES:
            with harness.Game(display, wrap=["taskset", "-c", "0"]) as game:
                game.start()
                for _ in range(2):  # the table shown once first: its first frame costs memory once
                    game.click_panel(76, 571)
                    time.sleep(0.5)
                start, sent, floors = time.time(), [0, 0], []
                threads = [threading.Thread(target=blower, args=(display, rate, start + SECONDS,
                                                                 sent, i)) for i in (0, 1)]
                for thread in threads:
                    thread.start()
                while time.time() - start < SECONDS:
                    time.sleep(0.5)
                    floors.append((time.time() - start, resident(game.proc.pid)))
                for thread in threads:
                    thread.join()
                achieved = sum(sent) / (time.time() - start)
                quarter = SECONDS / 4
                grown = (min(k for at, k in floors if at > SECONDS - quarter) -
                         min(k for at, k in floors if at <= quarter))
                before = aid_shown(game)
                asked = time.time()
                game.display.run("xdotool", "mousemove", harness.GAME[0] + 5, harness.GAME[1] + 5,
                                 "key", "c")
                while aid_shown(game) == before and time.time() - asked < 120:
                    time.sleep(0.05)
                print("| %d | %.0f | %+d KiB | %.2f s |" % (rate, achieved, grown,
                                                          time.time() - asked))
                game.keys("q")
                game.proc.wait(30)


main()
