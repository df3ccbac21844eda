# One game played through as a player would: the windows and the first walls, a
# row arriving, a group clicked away, pause, speed, the high scores, levels
# skipped until the walls overflow, a name typed into the table, the credits.
# Whole screens are compared with the pictures in reference/ (deterministic: the
# game never seeds rand()).

import array
import time

import harness
from harness import CYAN, GAME, GRID, VIEW, WHITE, check, lit_rows


def preview(shot):  # the row being built, five cubes
    return [shot.panel(331 + 75 * k, 40) for k in range(5)]


def first_row_and_click(game):
    # The first row lands on Left on top of its 4 rows. A click on Bottom (whose
    # row is due last) takes the pair of red blocks at its far left corner away.
    game.expect(lambda shot: any(shot.grid()[4]), "no row", 15)
    game.same("first-row", GRID)
    game.keys("d")
    game.click_panel(25, 15)
    time.sleep(0.3)
    game.same("clicked", GRID)


def pause_speed_scores(game):
    # Pause stops the row being built, and the view says so in large white letters;
    # F1 shows the help over it, Escape the paused game again. Meanwhile c puts a
    # dark shape on every block (the scenes check their pixels) and c again takes
    # them all away. The speed buttons say the new intervals; the Scores button
    # shows the table (made with its defaults) and, again, resumes.
    game.click_panel(76, 481, action="mousedown")  # held down, Pause shows pressed
    game.same("pressed", (130, 200, 95, 35))
    game.click_panel(76, 481, action="mouseup")
    game.same("pressed", (130, 200, 95, 35))  # and stays pressed in while the game is paused
    game.expect(lambda shot: lit_rows(shot, WHITE, range(215, 255)), "the view says no Paused", 5)
    game.keys("F1")
    game.expect(lambda shot: lit_rows(shot, CYAN, range(10, 34)), "F1 showed no help", 5)
    game.keys("Escape")
    game.expect(lambda shot: not lit_rows(shot, CYAN, range(10, 34)), "the help stays", 5)
    time.sleep(0.6)  # a row that was due has been pushed
    shot = game.screenshot()
    game.keys("c")
    game.expect(lambda aid: sum(aid.panel(25, 45)) < 60, "no shape on a block", 5)
    game.keys("c")
    game.expect(lambda now: now == shot, "the colour aid left a mark when off", 5)
    time.sleep(2.5)
    check(preview(game.screenshot()) == preview(shot), "the row grew while paused")
    for x in [40, 120, 120]:  # Speed + once, Speed - twice
        game.click_panel(x, 450)
    said = "".join("Base = %d, Current = %d\n" % (ms, ms) for ms in [950, 1000, 1050])
    game.expect(lambda _: game.output() == said, "stdout %r" % game.output(), 5)
    game.click_panel(76, 571)
    game.expect(lambda shot: lit_rows(shot, CYAN, range(40, 56)), "no table", 5)
    game.same("scores", VIEW)
    defaults = harness.score_table(game.path("scores.dat"))  # as the picture shows them
    game.click_panel(76, 571)
    game.expect(lambda shot: not lit_rows(shot, CYAN, range(40, 56)), "table stays", 5)
    return defaults, said


def overflow_and_name(game, defaults):
    # Six skipped levels pay 100 + 200 + ... + 600 (the pair paid 20); at level 7
    # the walls overflow and the table, in praise of a new tenth place, takes the name.
    game.skip_levels(6)
    game.expect(lambda shot: lit_rows(shot, CYAN, range(40, 56)), "no name entry", 90)
    time.sleep(1)  # the panel shows Game Over at its next redraw
    game.same("game-over", GAME)
    game.keys("Bobcx", command="type")  # c is a letter of the name here
    game.keys("Tab", "BackSpace", "Return")  # Tab is no letter of it
    # The prompt gives way to the one line that says the score was saved.
    game.same("saved", VIEW)
    saved = harness.score_table(game.path("scores.dat"))
    check(saved == defaults[:9] + [("Bobc" + " " * 16, 2120)], "scores.dat: %r" % saved)


# SDL's disk driver captures the mixed sound output.
SOUND = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "out.raw", "SDL_DISKAUDIODELAY": "20"}
with harness.Display() as display:
    with harness.Game(display, env=SOUND) as game:
        game.start()
        game.first_screen()
        first_row_and_click(game)
        defaults, said = pause_speed_scores(game)
        overflow_and_name(game, defaults)
        game.click_panel(76, 421)  # Exit: the credits, then the end ten seconds later
        game.same("credits", VIEW)
        check(game.proc.wait(30) == 0, "the game did not end by itself after the credits")
        check(game.output() == said, "unexpected output %r" % game.output())
        with open(game.path("out.raw"), "rb") as raw:
            peak = max(map(abs, array.array("h", raw.read())))  # 16-bit little-endian
        check(peak > 8000, "the level clips were not heard: peak %d" % peak)

print("journey: all checks passed")
