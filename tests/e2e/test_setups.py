# The game among hostile files and odd desktops: block pictures that are missing,
# pipes or absurdly large; a table the player may not read or a folder it may
# not write; a game over that earns no place, with clips that are broken, a pipe
# or absurdly large; windows scaled and minimised; a player without a mouse; a
# window manager that has exited. Each starts a game of its own. (Two games saving
# at once are the high-score unit test's: two processes, one lock.)

import math
import os
import pathlib
import struct
import subprocess
import time

import harness
from harness import CYAN, GRID, VIEW, WHITE, check, lit_rows


def table_file(path, score):  # ten places of `score`, as scores.dat holds them
    with open(path, "wb") as out:
        out.write((b"Old Hand".ljust(20) + score.to_bytes(4, "little")) * 10)


def wav_file(path, channels, rate):  # a 16-bit clip's header and a little silence
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", 36 + 64) + b"WAVEfmt " +
                  struct.pack("<IHHIIHH", 16, 1, channels, rate, rate * channels * 2,
                              channels * 2, 16) + b"data" + struct.pack("<I", 64) + bytes(64))


def quit_game(game):  # q ends the game at once: its peak memory in MiB
    game.keys("q")
    status, peak = game.finish()
    check(status == 0, "q ended the game with status %d" % status)
    return peak


def refused_textures(display):
    # Without green.ppm, or with a pipe or a picture of absurd size in its place, the
    # game names the picture, says why on stderr and fails at once; the absurd size
    # is refused before it costs any memory (19 bytes that declare 16384 by 16384).
    peaks, huge = [], lambda path: pathlib.Path(path).write_bytes(b"P6 16384 16384 255\n")
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
        game.skip_levels(8)  # 3600 points; the five-row walls overflow within seconds
        game.expect(lambda shot: lit_rows(shot, CYAN, range(40, 56)), "no name prompt")
        game.keys("E", "Return")  # the line in place of the prompt says why
        game.same("unsaved", VIEW)
        err = game.output("stderr")
        check(err.count("Couldn't read scores.dat: Permission denied\n") == 1, "stderr %r" % err)
        after = os.stat(table)
        check((after.st_ino, after.st_mtime_ns) == (before.st_ino, before.st_mtime_ns),
              "scores.dat was written over")
        return quit_game(game)


def no_place(display, peak_before):
    # A game over whose score earns no place keeps the tunnel's last blocks in the
    # view, and a button clicked then is drawn released again. The clips of its
    # level ends are broken (no channels, a rate of 0), a pipe and 200 MB: each is
    # refused with a line that says why, costs no memory, and the game goes on.
    with harness.Game(display, speed=10) as game:
        table_file(game.path("scores.dat"), 99999)
        wav_file(game.path("data/woohoo.wav"), 0, 22050)
        wav_file(game.path("data/ohyeah.wav"), 2, 0)
        os.remove(game.path("data/donut.wav"))
        os.mkfifo(game.path("data/donut.wav"))
        os.truncate(game.path("data/cake.wav"), 200 << 20)
        game.start()
        game.skip_levels(8)
        shot = game.expect(lambda shot: not any(map(any, shot.grid())), "no game over", 60)

        def blocks_shown(shot):
            return any(max(shot.view(x, y)) - min(shot.view(x, y)) > 80 for x in range(0, 630, 3)
                       for y in range(0, 500, 3))
        check(blocks_shown(shot), "the view was blanked at a game over with no place")
        # and keeps them across redraws: a resize, and the colour aid's key
        resize(game, 900, 700)
        game.keys("c")
        resize(game, 800, 600)
        check(blocks_shown(game.screenshot()), "a redraw blanked the view after the game")

        def left_button(shot):
            return [shot.panel(x, y) for x in range(0, 84, 2) for y in range(270, 294, 2)]
        before = left_button(shot)
        game.click_panel(40, 281)
        time.sleep(0.5)  # press and release have been handled
        game.expect(lambda shot: left_button(shot) == before, "Left still drawn pressed", 3)
        peak = quit_game(game)
        check(peak < peak_before + 16, "peak memory %.0f MiB with a 200 MB clip, %.0f in a game "
              "with none" % (peak, peak_before))
        for clip, why in [("woohoo", "unsupported format (0 channels at 22050 Hz)"),
                          ("ohyeah", "unsupported format (2 channels at 0 Hz)"),
                          ("donut", "not a regular file"),
                          ("cake", "longer than a sound effect (over 32 MiB)")]:
            line = "Couldn't load data/%s.wav: %s\n" % (clip, why)
            check(line in game.output("stderr"), "stderr %r lacks %r" % (game.output("stderr"), line))


def resize(game, width, height):
    game.display.run("xdotool", "windowsize", game.window(), width, height)
    time.sleep(0.6)  # shaped and drawn


def size_of(game):  # "WIDTHxHEIGHT+X+Y" of the game's window, X and Y on the screen
    info = game.display.run("xwininfo", "-id", game.window()).stdout
    return "%sx%s+%s+%s" % tuple(info.split(field + ":")[1].split()[0] for field in (
        "Width", "Height", "Absolute upper-left X", "Absolute upper-left Y"))


def scaled_windows():
    # On a screen large enough for it, --scale 2 opens a window of 1600 by 1200 with
    # the picture twice as large: the first wall's blocks at twice their places, and
    # a click on a doubled cell takes the right group away (the red pair at Bottom's
    # far left corner). At 1000 by 600 the picture keeps its size between grey
    # margins: the Scores button answers where it is drawn, the margin where an
    # unscaled one stands does not; F11 fills the screen from its corner and F11 or
    # Escape gives the window its size and place back. Shrunk to a pixel and back,
    # the paused game shows exactly what it did.
    with harness.Display(size=(1700, 1300)) as display, harness.Game(display) as game:
        game.start(args=["--scale", "2"])
        check(size_of(game) == "1600x1200+100+100", "--scale 2 opened a window of " + size_of(game))
        shot = game.screenshot()

        def doubled(px, py):  # the screen pixel of panel point (px, py) in the doubled picture
            return harness.GAME[0] + 2 * px, harness.GAME[1] + 1199 - 2 * py
        grid = [[shot.pixel(*doubled(25 + 30 * c, 15 + 30 * r)) != WHITE for c in range(5)]
                for r in range(7)]
        check(grid == [[True] * 5] * 4 + [[False] * 5] * 3, "the doubled grid shows %r" % grid)
        game.keys("d")
        corner = doubled(25, 15)
        before = game.screenshot().pixel(*corner)
        display.run("xdotool", "mousemove", *corner, "click", 1)
        game.expect(lambda shot: shot.pixel(*corner) != before, "a doubled cell missed its click", 3)

        resize(game, 1000, 600)  # the picture from x = 100 to 900

        def table(shot):
            return any(shot.pixel(harness.GAME[0] + 100 + 170 + x, harness.GAME[1] + y) == CYAN
                       for x in range(0, 630, 2) for y in range(40, 56))
        game.click_panel(76 + 100, 571)
        game.expect(table, "Scores did not answer where it is drawn", 5)
        game.click_panel(76, 571)
        time.sleep(0.5)
        check(table(game.screenshot()), "a click in the margin acted")
        for key, size in ("F11", "1700x1300+0+0"), ("F11", "1000x600+100+100"), (
                "F11", "1700x1300+0+0"), ("Escape", "1000x600+100+100"):  # full screen and back
            game.keys(key)
            time.sleep(0.5)
            check(size_of(game) == size, "after %s the window is %s" % (key, size_of(game)))

        game.click_panel(76 + 100, 571)  # the tunnel again
        game.click_panel(76 + 100, 481)  # paused
        resize(game, 800, 600)  # (a row that was waiting is pushed at a redraw)
        paused = game.screenshot()
        resize(game, 1, 1)
        resize(game, 800, 600)
        check(game.screenshot() == paused, "the picture changed through a window of 1 by 1")


def small_windows(display):
    # Below the picture's size its text keeps its strokes. The paused game's panel at
    # 600 by 450 and at 400 by 300 is set against its 800 by 600 picture shrunk by an
    # area filter (each shrunk pixel the mean of those it covers), label by label: each
    # pixel of a label's box is summed with its eight neighbours (where a stroke falls
    # within a pixel then counts little), and the two boxes must correlate at 0.88 or
    # better. Labels drawn by dropping rows and columns of the font's pixels ("New
    # Game" read "Now Gomo") correlate at 0.52 to 0.75 for the worst of them.
    labels = [(44, 537, "New Game"), (56, 507, "Sound"), (56, 477, "Pause"), (13, 447, "Speed +"),
              (96, 447, "Speed -"), (60, 417, "Exit"), (70, 307, "Top"), (58, 247, "Bottom"),
              (25, 277, "Left"), (104, 277, "Right"), (52, 567, "Scores"), (10, 380, "Level 1"),
              (10, 360, "Points 0"), (10, 340, "Rows Left 15")]

    def window(shot, w, h):  # the window's RGB bytes
        return b"".join(shot[((harness.GAME[1] + r) * shot.width + harness.GAME[0]) * 3:][:w * 3]
                        for r in range(h))

    def box(rgb, w, x, y, length):  # a label's pixels, each summed with its neighbours
        scale = w / 800
        def grey(r, c):
            return sum(k * v for k, v in zip((0.299, 0.587, 0.114), rgb[(r * w + c) * 3:][:3]))
        return [sum(grey(r + i, c + j) for i in (-1, 0, 1) for j in (-1, 0, 1))
                for r in range(int((589 - y) * scale), math.ceil((602 - y) * scale))
                for c in range(int(x * scale), math.ceil((x + 8 * length) * scale))]

    def correlation(a, b):
        ma, mb = sum(a) / len(a), sum(b) / len(b)
        return sum((p - ma) * (q - mb) for p, q in zip(a, b)) / math.sqrt(
            sum((p - ma) ** 2 for p in a) * sum((q - mb) ** 2 for q in b))

    with harness.Game(display) as game:
        game.start()
        game.keys("p")
        time.sleep(0.5)
        whole = window(game.screenshot(), 800, 600)
        for w, h in (600, 450), (400, 300):
            resize(game, w, h)
            shrunk = subprocess.run(["convert", "-size", "800x600", "-depth", "8", "rgb:-", "-filter",
                                     "Box", "-resize", "%dx%d" % (w, h), "rgb:-"], input=whole,
                                    capture_output=True, check=True).stdout
            shot = window(game.screenshot(), w, h)
            worst = min((correlation(box(shot, w, x, y, len(text)), box(shrunk, w, x, y, len(text))),
                         text) for x, y, text in labels)
            check(worst[0] >= 0.88, "at %dx%d, %r correlates at %.2f" % (w, h, worst[1], worst[0]))


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
    # manager's property is left alone, and it takes the game's window in with its
    # class (GLUT maps the window before the game can set WM_CLASS). That game, its
    # window resized to 300 by 200 (where a mouse still mapped against 600 pixels
    # hit Exit), takes a click on a block: the panel keeps its layout from the
    # window's bottom-left corner.
    def wm_check():
        return display.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout
    wm = subprocess.Popen(["openbox"], env=display.env(), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    while "window id" not in (live := wm_check()):
        time.sleep(0.1)
    with harness.Game(display) as game:
        game.start()
        check(wm_check() == live, "the live window manager's property changed")
        window = game.window()
        seen = display.run("xprop", "-id", window, "_OB_APP_CLASS").stdout
        check('"Tumblewell"' in seen, "openbox took the window in without its class: " + seen)
        # It runs (the window taken in anew must not pause it). Minimised, the game
        # pauses; shown again it stays paused, Pause pressed in, and nothing moves
        # for ticks on end.
        where = display.run("xwininfo", "-id", window).stdout  # inside the frame
        x, y = (int(where.split("Absolute upper-left %s:" % axis)[1].split()[0]) for axis in "XY")
        game.expect(lambda shot: shot.pixel(x + 331, y + 559) != harness.GROUND, "no block came")
        display.run("xdotool", "windowminimize", "--sync", window)
        time.sleep(2.5)
        display.run("xdotool", "windowactivate", "--sync", window)
        time.sleep(1)  # drawn
        game.same("pressed", (x + 30, y + 100, 95, 35))
        shown = game.screenshot()
        time.sleep(2.5)
        check(game.screenshot() == shown, "the game ran on after its window was minimised")
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
    refused_textures(display)
    no_place(display, unreadable_table(display))
    keys_alone(display)
    small_windows(display)
    scaled_windows()
    stale_window_manager(display)  # last: the window manager leaves the display changed

print("setups: all checks passed")
