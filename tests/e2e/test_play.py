"""The real game at ten times the pace: an untouched game ends by overflow and
keeps its last picture, Speed + and - report the intervals, Exit shows the
credits and ends the program; a game good enough for the high-score table keeps
the name typed after it, or says why it could not; a table the player may not
read is shown as the defaults and never written over."""

import os
import time

import harness
from harness import BLACK, CYAN, RED, WHITE, check

YELLOW = (255, 255, 0)

# Credits lines: (y in normalised window coordinates, colour, characters if checked).
CREDITS = [(0.8, RED, 18), (0.75, RED, 25), (0.6, CYAN, 0), (0.5, CYAN, 0), (0.4, CYAN, 0),
           (0.3, CYAN, 0), (-0.3, CYAN, 0), (-0.4, CYAN, 0), (-0.6, CYAN, 52), (-0.7, CYAN, 0)]


def view_has(shot, colour, rows):  # rows of the view window, from its top
    return any(shot.view(x, y) == colour for y in rows for x in range(0, 630, 2))


def check_view_kept_blocks(shot):
    """A game over that earns no place leaves the view as it was: coloured blocks."""
    check(any(max(shot.view(x, y)) - min(shot.view(x, y)) > 80 for x in range(0, 630, 3)
              for y in range(0, 500, 3)), "the view was blanked at a game over with no place")


def check_click_drawn_released(game):
    """Left clicked after a game over, Left in view: nothing but the idle step redraws it."""
    def look(shot):
        return [shot.panel(x, y) for x in range(0, 84, 2) for y in range(270, 294, 2)]
    before = look(game.screenshot())
    game.click_panel(40, 281)
    time.sleep(0.5)  # press and release have been handled (none of it shows otherwise)
    check(look(game.wait_for(lambda shot: look(shot) == before, 3)) == before,
          "Left is still drawn pressed after a click")


def play_to_a_place(game):
    """Skips eight levels for 3600 points; the walls, five rows deep from level 3 on,
    overflow within seconds. Returns at the table's cyan title and red prompt."""
    for _ in range(8):
        game.keys("n")
        time.sleep(0.8)
    game.wait_for(lambda shot: view_has(shot, CYAN, range(40, 56))
                  and view_has(shot, RED, range(436, 452)))


def check_save_line(game, text):
    """After Enter one yellow line, `text`, stands in place of the red praise and prompt."""
    def span(shot):  # the yellow columns on the prompt's line, baseline 450
        lit = [x for x in range(630) for y in range(439, 453) if shot.view(x, y) == YELLOW]
        return (min(lit), max(lit)) if lit else None
    shot = game.wait_for(span, 5)
    check(not view_has(shot, RED, range(425, 453)), "the prompt is still shown after Enter")
    got = span(shot)
    check(got and 63 <= got[0] < 71 and 0 < 63 + 8 * len(text) - got[1] < 8,
          "the line after Enter spans %s, not the length of %r" % (got, text))


def check_read_only_save(display):
    """A player who may not write the game's folder is told why, and scores.dat stays."""
    table = (b"Old Hand".ljust(20) + b"\xe8\x03\0\0") * 10  # ten scores of 1000
    with harness.Game(display, speed=10, user=65534) as game:
        with open(game.path("scores.dat"), "wb") as out:
            out.write(table)
        os.chmod(game.workdir, 0o555)
        game.start()
        play_to_a_place(game)
        game.keys("E", "Return")
        check_save_line(game, "Your score could not be saved: Permission denied.")
        with open(game.path("scores.dat"), "rb") as kept:
            check(kept.read() == table, "scores.dat changed")


def unreadable_table(display):
    """Run as an unprivileged user, a scores.dat it may not read shows the defaults,
    says why once on stderr however often it is shown, and stays as it was."""
    with harness.Game(display, user=65534) as game:
        table = game.path("scores.dat")
        with open(table, "wb") as kept:
            kept.write(b"a player's table".ljust(240))
        os.chmod(table, 0o600)  # root's own
        before = os.stat(table)
        game.start()
        for _ in range(3):  # Scores: shown, back to the tunnel, shown again
            game.click_panel(76, 571)
            time.sleep(0.3)
        check(view_has(game.screenshot(), CYAN, range(90, 106)), "no table in the view")
        game.keys("q")
        check(game.proc.wait(15) == 0, "q did not end the game")
        err = game.output("stderr")
        check(err.count("Couldn't read scores.dat: Permission denied\n") == 1, "stderr %r" % err)
        after = os.stat(table)
        check((after.st_ino, after.st_mtime_ns) == (before.st_ino, before.st_mtime_ns),
              "scores.dat was written over")


with harness.Display() as display:
    unreadable_table(display)

    with harness.Game(display, speed=10) as game:
        game.start()
        # Twelve rows fill the four walls and the thirteenth finds Left full:
        # 65 game seconds. Wait for a wall label longer than "Bottom".
        shot = game.wait_for(lambda shot: (shot.text_span(10, 220, 120) or (0, 0))[1] > 10 + 8 * 6)
        span = shot.text_span(10, 220, 120)
        check(span and 0 < 10 + 8 * 9 - span[1] < 8, "the label is not Game Over: %s" % (span,))
        off = [(x, y) for x in range(10, 160) for y in range(210) if shot.panel(x, y) != WHITE]
        check(not off, "the grid is not bare white after the game over: %s" % off[:3])
        check(shot.text_span(180, 20, 80) is None, "a wall is still named for the next row")
        check_click_drawn_released(game)
        check_view_kept_blocks(game.screenshot())

        expected = ""
        for x, base in [(40, 950), (120, 1000), (120, 1050)]:
            game.click_panel(x, 450)
            expected += "Base = %d, Current = %d\n" % (base, base)
            time.sleep(0.3)
            check(game.output() == expected, "stdout %r, not %r" % (game.output(), expected))

        game.click_panel(76, 421)  # Exit: the credits, for ten game seconds
        started, shot, claimed = time.time(), game.screenshot(), set()
        # Each line starts at x = 63 with its baseline at its y; the 8 by 13 font
        # reaches 2 pixels below that and 11 above.
        for y, colour, length in CREDITS:
            base = int((1 - y) / 2 * 500)
            lit = [(x, row) for x in range(630) for row in range(base - 11, base + 2)
                   if shot.view(x, row) != BLACK]
            check(lit and all(shot.view(*p) == colour for p in lit), "line %s not %s" % (y, colour))
            left, right = min(lit)[0], max(lit)[0]
            check(63 <= left < 71 and right < 63 + 70 * 8, "line %s spans %d-%d" % (y, left, right))
            check(not length or 0 < 63 + 8 * length - right < 8, "line %s ends at %d" % (y, right))
            claimed.update(lit)
        stray = [(x, y) for x in range(0, 630, 3) for y in range(0, 500, 3)
                 if (x, y) not in claimed and shot.view(x, y) != BLACK]
        check(not stray, "credits ground not black at %s" % stray[:3])
        check(game.proc.wait(20) == 0, "the game did not end by itself after the credits")
        check(time.time() - started > 0.5, "the game ended before the credits had been shown")
        check(game.output() == expected, "unexpected output %r" % game.output())

    with harness.Game(display, speed=10) as game:
        game.start()
        game.click_panel(76, 571)  # Scores: title a tenth of the height down, place 1 at 0.6
        time.sleep(0.5)
        shot = game.screenshot()
        check(view_has(shot, CYAN, range(40, 56)) and view_has(shot, CYAN, range(90, 106)),
              "no cyan title and first line in the view")
        defaults = harness.score_table(game.path("scores.dat"))
        check(defaults[0] == ("Stack Master        ", 20000), "defaults start %r" % defaults[:1])
        game.click_panel(76, 571)  # back to the tunnel, and the game runs on
        play_to_a_place(game)
        game.keys("Bobcx", command="type")  # c is a letter of the name here
        game.keys("Tab", "BackSpace", "Return")  # Tab is no letter of the name
        check_save_line(game, "Score saved.")
        game.keys("q")  # the keys command the game again
        check(game.proc.wait(15) == 0, "q did not end the game after the name was entered")
        saved = harness.score_table(game.path("scores.dat"))
        check(saved == defaults[:8] + [("Bobc" + " " * 16, 3600), defaults[8]],
              "scores.dat holds %r" % saved)

    check_read_only_save(display)

print("play: all checks passed")
