#!/usr/bin/env python3
# Soak and storms: python3 tests/soak/soak.py BINARY SECONDS.
#
# The soak: random clicks, command keys (never q nor Exit, its button or x) and typed
# names on the real game at twenty times the pace for SECONDS; it must still run, its
# memory must settle (the floor of the last stretch at most 4 MiB above the first's),
# and "scores.dat" must be a valid table.
#
# The storms, on the real clock: from a fresh game, each kind of event apart (the
# flat grid, each button but New Game and Exit, each key that waits for nothing) comes
# at 3,000 events a second for a few seconds; a probe key must act within a second in
# the thick of it and again after it, and once the game has caught up its memory must
# be within a few MiB of what it was before. Then all of them mixed for STORM_SECONDS
# (default 60), ended by q, which must end the game at once. Ctrl+N pressed thirty
# times must not hold up the q that follows, and no event may arm a timer of GLUT's:
# the game's loop keeps its one time to wake at.

import os
import random
import re
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
import harness  # noqa: E402
from harness import check  # noqa: E402

SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 60.0
BUTTONS = {"Sound": (76, 511), "Pause": (76, 481), "Speed +": (41, 451), "Speed -": (124, 451),
           "Top": (82, 311), "Bottom": (82, 251), "Left": (41, 281), "Right": (124, 281),
           "Scores": (76, 571), "New Game": (76, 541)}  # centres, in panel points
KEYS = ["n", "s", "e", "f", "d", "c", "p", "m", "h", "plus", "minus", "ctrl+n", "Up", "Right",
        "Down", "Left", "space", "S", "BackSpace"]  # never q nor x (Exit)
STORM_SECONDS = float(os.environ.get("STORM_SECONDS", "60"))
KIND_SECONDS = 3.0
BURST = 750  # clicks or keys a half second: each is a press and a release
PAUSE_BOX = (130, 200, 95, 35)  # the Pause button on the screen
rng = random.Random(int(os.environ.get("SOAK_SEED", "20261206")))


def resident(pid):  # KiB
    with open("/proc/%d/status" % pid) as status:
        return int(next(line for line in status if line.startswith("VmRSS:")).split()[1])


def soak(display):
    with harness.Game(display, speed=20) as game:
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
                game.click_panel(*rng.choice(list(BUTTONS.values())))
            elif roll < 0.6:  # the view, or just off the window
                game.click_panel(rng.randrange(170, 820), rng.randrange(-20, 620))
            elif roll < 0.9:
                game.keys(rng.choice(KEYS))
            else:
                game.keys("Soak %d" % len(samples), command="type")
                game.keys("Return")
            samples.append((time.time() - start, resident(game.proc.pid)))
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
        game.keys("Return", "q")
        check(game.proc.wait(10) == 0, "q did not end the soaked game")
        print("soak: %d actions in %.0f s, memory grew %d KiB, table valid"
              % (len(samples), SECONDS, grown))


class Storm:
    # A storm of one kind of event, blown from a thread of its own until stopped:
    # each half second xdotool repeats a click at a point drawn from `points` (panel
    # points), or a key drawn from `keys`, BURST times without a pause.

    def __init__(self, display, points=(), keys=()):
        self.display, self.points, self.keys = display, list(points), list(keys)
        self.going = True
        self.thread = threading.Thread(target=self.blow)

    def blow(self):
        while self.going:
            beat = time.time()
            if self.points and (not self.keys or rng.random() < 0.5):
                px, py = rng.choice(self.points)
                self.display.run("xdotool", "mousemove", harness.GAME[0] + px,
                                 harness.GAME[1] + 600 - py, "click", "--repeat", BURST, "--delay",
                                 0, 1)
            else:
                self.display.run("xdotool", "key", "--repeat", BURST, "--delay", 0,
                                 rng.choice(self.keys))
            time.sleep(max(0.0, 0.5 - (time.time() - beat)))

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.going = False
        self.thread.join()


def pause_look(game):  # the pixels of the Pause button, pressed in while paused
    shot = game.screenshot()
    x, y, w, h = PAUSE_BOX
    return [shot.pixel(x + i, y + j) for i in range(w) for j in range(h)]


def aid_shown(game):  # a black shape on a block of the flat grid's bottom row
    shot = game.screenshot()
    return any(sum(shot.panel(25 + 30 * c, 15)) < 60 for c in range(5))


def probe_acts(game, probe, what):
    # The probe key is pressed (with the pointer over the panel, where no button
    # is) and must have acted a second later; it is pressed again to undo it. The
    # probe "Pause" is a click on that button instead, for a storm of a key typed
    # with Shift held (the probe's key would come shifted: P, which means nothing).
    look = aid_shown if probe == "c" else pause_look
    act = ["mousemove", harness.GAME[0] + 5, harness.GAME[1] + 5, "key", probe]
    if probe == "Pause":
        act = ["mousemove", harness.GAME[0] + 76, harness.GAME[1] + 600 - 481, "click", 1]
    before = look(game)
    pressed = time.time()
    game.display.run("xdotool", *act)
    time.sleep(max(0.0, 1.0 - (time.time() - pressed)))
    check(look(game) != before, "the probe %s did not act within a second %s" % (probe, what))
    game.display.run("xdotool", *act)
    game.expect(lambda _: look(game) == before, "the probe %s did not act again %s"
                % (probe, what), 5)


def settled(game):  # KiB: the least of a few readings, once the game has caught up
    readings = []
    for _ in range(5):
        readings.append(resident(game.proc.pid))
        time.sleep(0.1)
    return min(readings)


def storms(display):
    # (name, points, keys, probe): the probe is p (Pause pressed in) unless the storm
    # itself pauses (then c, the colour aid) or holds Shift (then a click on Pause).
    grid = [(x, y) for x in range(15, 160, 30) for y in range(135, 210, 30)]  # empty rows
    kinds = [("the flat grid", grid, [], "p")]
    kinds += [(name, [point], [], "c" if name in ("Pause", "Scores") else "p")
              for name, point in BUTTONS.items() if name != "New Game"]
    kinds += [("keys " + " ".join(keys), [], keys,
               "c" if set(keys) & {"p", "h"} else "Pause" if keys == ["plus"] else "p")
              for keys in (["s", "e", "f", "d"], ["c"], ["m"], ["h"], ["p"], ["plus"], ["minus"],
                           ["Up", "Down", "Left", "Right"], ["space"], ["Return"])]
    with harness.Game(display) as game:
        game.start()
        report = []
        for name, points, keys, probe in kinds:
            game.keys("ctrl+n")  # a fresh game, running, the colour aid off
            time.sleep(1.2)
            if aid_shown(game):
                game.keys("c")
            before = settled(game)
            with Storm(display, points, keys):
                time.sleep(KIND_SECONDS / 2)
                probe_acts(game, probe, "in a storm of " + name)
                time.sleep(KIND_SECONDS / 2)
            probe_acts(game, probe, "after a storm of " + name)
            grown = settled(game) - before
            check(grown < 8 * 1024, "memory grew by %d KiB in a storm of %s" % (grown, name))
            report.append("%s %+d" % (name, grown))
        print("storms: each kind acted on a probe within a second; KiB: " + ", ".join(report))

        # All of them mixed, as a player gone wild with every hand might.
        points = grid + [(x, y) for x in range(12, 160, 7) for y in range(3, 210, 7)] + [
            BUTTONS[name] for name in ("Sound", "Speed +", "Speed -", "Top", "Bottom", "Left",
                                       "Right")]
        # (No plus: typed with Shift held, it would shift the probe's key.)
        keys = ["s", "e", "f", "d", "m", "minus", "Up", "Down", "Left", "Right", "space"]
        floors, start = [], time.time()
        with Storm(display, points, keys):
            while time.time() - start < STORM_SECONDS:
                time.sleep(0.5)
                floors.append((time.time() - start, resident(game.proc.pid)))
                if len(floors) == 20:
                    probe_acts(game, "p", "in the mixed storm")
            stretch = min(15.0, STORM_SECONDS / 4)
            stormed = (min(kib for at, kib in floors if at > STORM_SECONDS - stretch) -
                       min(kib for at, kib in floors if at <= stretch))
            check(stormed < 4 * 1024, "resident memory grew by %d KiB in the storm" % stormed)
            asked = time.time()
            game.keys("q")
            while game.running() and time.time() - asked < 5:
                time.sleep(0.05)
            waited = time.time() - asked
        check(not game.running() and game.proc.wait() == 0,
              "q did not end the game within 5 s in a storm of 3,000 events a second")
        print("storm: %.0f s of everything mixed grew memory %d KiB; q ended the game in %.2f s"
              % (STORM_SECONDS, stormed, waited))


def new_games_then_q(display):
    # Thirty presses of Ctrl+N, each a new game that waits a second before its first
    # block, then q: the waits hold the presses, not q. The game runs under gdb with a
    # breakpoint on glutTimerFunc, which a storm of a thousand clicks and keys must
    # never reach (gdb stops the game there and says so).
    gdb = ["gdb", "-q", "-batch", "-ex", "set breakpoint pending on", "-ex",
           "break glutTimerFunc", "-ex", "run", "--args"]
    with harness.Game(display, wrap=gdb) as game:
        game.start()
        game.keys("ctrl+n")
        time.sleep(1.2)
        with Storm(display, [(15, 195), (76, 511), (41, 451)], ["c", "Up", "m"]):
            time.sleep(1.0)
        display.run("xdotool", "mousemove", harness.GAME[0] + 5, harness.GAME[1] + 5, "key",
                    "--repeat", 30, "--delay", 0, "ctrl+n")
        asked = time.time()
        display.run("xdotool", "key", "q")
        while game.running() and time.time() - asked < 5:
            time.sleep(0.02)
        waited = time.time() - asked
        check(not game.running(), "q after thirty presses of Ctrl+N did not end the game in 5 s")
        said = game.output()
        check(re.search(r"exited normally", said) and "Breakpoint 1," not in said,
              "a GLUT timer was armed, or the game did not end well: %r" % said[-500:])
        print("Ctrl+N thirty times, then q: the game ended %.2f s after q; no GLUT timer armed"
              % waited)


with harness.Display() as display:
    soak(display)
    storms(display)
    new_games_then_q(display)
