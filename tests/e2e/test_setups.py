# The game among hostile files and odd desktops: block pictures that are missing,
# pipes or absurdly large; a table the player may not read or a folder it may
# not write; a game over that earns no place; a player without a mouse; a window
# manager that has exited, and a resized window. Each starts a game of its own.

import os
import pathlib
import subprocess
import time

import harness
from harness import CYAN, GRID, VIEW, check, lit_rows


def table_file(path, score):  # ten places of `score`, as scores.dat holds them
    with open(path, "wb") as out:
        out.write((b"Old Hand".ljust(20) + score.to_bytes(4, "little")) * 10)


def refused_textures(display):
    # Without green.ppm, or with a pipe or a picture of absurd size in its place, the
    # game names the picture, says why on stderr and fails at once; the absurd size
    # is refused before it costs any memory (19 bytes that declare 16384 by 16384).
    huge = (lambda path: pathlib.Path(path).write_bytes(b"P6 16384 16384 255\n"),
            "size out of bounds")
    peaks = []
    for plant, reason in [(None, "No such file or directory"),
                          (os.mkfifo, "not a regular file"), huge]:
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


def unreadable_table(display):
    # Run as an unprivileged user in a folder it may not write, a scores.dat it may
    # not read shows the defaults and says why once on stderr, however often it is
    # shown. A game that earns a place there is told in place of the prompt that
    # its score could not be saved (reference/unsaved.png), and the table stays
    # as it was. The game starts with the colour aid asked for: a dark shape on
    # the first block.
    with harness.Game(display, speed=10, user=65534) as game:
        table = game.path("scores.dat")
        table_file(table, 1000)
        os.chmod(table, 0o600)  # root's own
        os.chmod(game.workdir, 0o555)
        before = os.stat(table)
        game.start(args=["--colour-aid"])
        check(sum(game.screenshot().panel(25, 15)) < 60, "no shape on the first block")
        for _ in range(4):  # Scores: shown, back to the tunnel, shown again, back
            game.click_panel(76, 571)
            time.sleep(0.3)
        game.skip_levels(8)  # 3600 points; the five-row walls overflow within seconds
        game.expect(lambda shot: lit_rows(shot, CYAN, range(40, 56)), "no name prompt")
        game.keys("E", "Return")  # the line in place of the prompt says why
        game.same("unsaved", VIEW)
        err = game.output("stderr")
        check(err.count("Couldn't read scores.dat: Permission denied\n") == 1, "stderr %r" % err)
        after = os.stat(table)
        check((after.st_ino, after.st_mtime_ns) == (before.st_ino, before.st_mtime_ns),
              "scores.dat was written over")


def no_place(display):
    # A game over whose score earns no place keeps the tunnel's last blocks in the
    # view, and a button clicked then is drawn released again.
    with harness.Game(display, speed=10) as game:
        table_file(game.path("scores.dat"), 99999)
        game.start()
        game.skip_levels(8)
        shot = game.expect(lambda shot: not any(map(any, shot.grid())), "no game over", 60)
        check(any(max(shot.view(x, y)) - min(shot.view(x, y)) > 80 for x in range(0, 630, 3)
                  for y in range(0, 500, 3)), "the view was blanked at a game over with no place")

        def left_button(shot):
            return [shot.panel(x, y) for x in range(0, 84, 2) for y in range(270, 294, 2)]
        before = left_button(shot)
        game.click_panel(40, 281)
        time.sleep(0.5)  # press and release have been handled
        game.expect(lambda shot: left_button(shot) == before, "Left still drawn pressed", 3)


def keys_alone(display):
    # A game played from the keyboard. The first arrow shows the cursor on the
    # bottom-left cell, which Down and Left cannot take it past; there, on Bottom,
    # Space is refused while p pauses, and once p resumes it takes the red pair away
    # as a click does (reference/clicked.png, but for the cursor's cell). Up and
    # Right stop at the top-right cell; Ctrl+N deals Bottom's four full rows anew.
    with harness.Game(display) as game:
        game.start()
        game.keys("d", "Down", "Left", "Down", "p", "space")
        check(all(game.screenshot().grid()[3]), "Space took blocks away while paused")
        game.keys("p", "space")
        game.same("clicked", GRID, skip=(GRID[0], GRID[1] + GRID[3] - 30, 30, 30))
        game.keys(*["Up"] * 8, *["Right"] * 6)
        game.expect(lambda shot: shot.panel(131, 195) == (0, 0, 0), "no cursor top right", 5)
        game.keys("ctrl+n", "d")
        game.expect(lambda shot: all(shot.grid()[3]), "Ctrl+N dealt no new walls", 5)


def stale_window_manager(display):
    # A window manager that has exited leaves the root's _NET_SUPPORTING_WM_CHECK
    # naming a window that is gone; the game starts all the same, and a live window
    # manager's property is left alone. That game, its window resized to 300 by 200
    # (where a mouse still mapped against 600 pixels hit Exit), takes a click on a
    # block: the panel keeps its layout from the window's bottom-left corner.
    def wm_check():
        return display.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout
    wm = subprocess.Popen(["openbox"], env=display.env(), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    while "window id" not in (live := wm_check()):
        time.sleep(0.1)
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
        game.keys("d")  # Bottom: a pair of red blocks at its far left corner
        window = display.run("xdotool", "search", "--onlyvisible", "--name", "Tumblewell")
        display.run("xdotool", "windowsize", window.stdout.split()[0], 300, 200)
        time.sleep(0.5)
        x, y = harness.GAME[0] + 25, harness.GAME[1] + 199 - 15
        before = game.screenshot().pixel(x, y)
        display.run("xdotool", "mousemove", x, y, "sleep", 0.05, "click", 1)
        time.sleep(0.3)
        check(game.running() and game.screenshot().pixel(x, y) != before,
              "a click at 300 by 200 missed its block")
        game.keys("q")
        check(game.proc.wait(10) == 0, "q did not end the game")


with harness.Display() as display:
    refused_textures(display)
    unreadable_table(display)
    no_place(display)
    keys_alone(display)
    stale_window_manager(display)  # last: the window manager leaves the display changed

print("setups: all checks passed")
