# One game played through as a player would: the windows and the first walls, a
# row arriving, a group clicked away, pause, speed, the high scores, levels
# skipped until the walls overflow, a name typed into the table, the credits. Whole screens are compared
# with the pictures in reference/ (deterministic: the game never seeds rand()).

import array
import time

import harness
from harness import check

GROUND = (128, 128, 128)  # the panel's grey, where the row preview has no block
# Screen boxes of the windows and of the flat grid.
GAME, VIEW, GRID = (100, 100, 800, 600), (270, 100, 630, 500), (110, 490, 150, 210)


def preview(shot):
    return [shot.panel(331 + 75 * k, 40) for k in range(5)]


def same(game, name, box, shot=None):
    # The screen (`shot`, or the first within 5 s) matches reference/NAME.png in `box`.
    if shot:
        return check(not shot.differs(name, box), "the screen differs from reference/%s.png" % name)
    game.expect(lambda shot: not shot.differs(name, box), "not as reference/%s.png" % name, 5)


def lit_rows(shot, colour, rows):  # rows of the view, from its top
    return any(shot.view(x, y) == colour for y in rows for x in range(0, 630, 2))


def start(game):
    # The windows, the first walls, panel and tunnel once the first tick has put a
    # block into the row preview.
    shot = game.expect(lambda shot: preview(shot)[0] != GROUND, "no block previewed", 5)
    check(preview(shot)[1] == GROUND, "the first two ticks came too fast to look")
    same(game, "start", GAME, shot)


def first_row_and_click(game):
    # The first row lands on Left on top of its 4 rows. A click on Bottom (whose
    # row is due last) takes the pair of red blocks at its far left corner away.
    same(game, "first-row", GRID, game.expect(lambda shot: any(shot.grid()[4]), "no row", 15))
    game.keys("d")
    game.click_panel(25, 15)
    time.sleep(0.3)
    same(game, "clicked", GRID)


def pause_speed_scores(game):
    # Pause stops the row being built; meanwhile c puts a dark shape on every block
    # (the scenes check their pixels) and c again takes them all away. The speed
    # buttons say the new intervals; the Scores button shows the table (made with
    # its defaults) and, again, resumes.
    game.click_panel(76, 481, action="mousedown")  # held down, Pause shows pressed
    same(game, "pressed", (130, 200, 95, 35))
    game.click_panel(76, 481, action="mouseup")
    time.sleep(0.6)  # a row that was due has been pushed
    shot = game.screenshot()
    game.keys("c")
    game.expect(lambda aid: sum(aid.panel(25, 45)) < 60, "no shape on a block", 5)
    game.keys("c")
    game.expect(lambda now: now == shot, "the colour aid left a mark when off", 5)
    time.sleep(2.5)
    check(preview(game.screenshot()) == preview(shot), "the row grew while paused")
    said = ""
    for x, base in [(40, 950), (120, 1000), (120, 1050)]:
        game.click_panel(x, 450)
        said += "Base = %d, Current = %d\n" % (base, base)
    game.expect(lambda _: game.output() == said, "stdout %r" % game.output(), 5)
    game.click_panel(76, 571)
    game.expect(lambda shot: lit_rows(shot, harness.CYAN, range(40, 56)), "no table", 5)
    same(game, "scores", VIEW)
    defaults = harness.score_table(game.path("scores.dat"))
    check(defaults[0] == ("Stack Master        ", 20000), "defaults start %r" % defaults[:1])
    game.click_panel(76, 571)
    game.expect(lambda shot: not lit_rows(shot, harness.CYAN, range(40, 56)), "table stays", 5)
    return defaults, said


def overflow_and_name(game, defaults):
    # Six skipped levels pay 100 + 200 + ... + 600 (the pair paid 20), each dealt
    # afresh on Left, with five rows and light blue from level 3; at level 7 the
    # walls overflow and the table, in praise of a new tenth place, takes the name.
    wall, light_blue = game.screenshot().grid(), False
    for level in range(2, 8):
        game.keys("n")  # one at a time: keys pressed during a level change would be one skip
        rows = 4 if level < 3 else 5
        wall = game.expect(lambda shot: shot.grid() != wall and all(map(all, shot.grid()[:rows]))
                           and not any(shot.grid()[rows]), "level %d not dealt" % level).grid()
        light_blue = light_blue or any(4 in row for row in wall)
    check(light_blue, "no light-blue block in five levels")
    game.expect(lambda shot: lit_rows(shot, harness.CYAN, range(40, 56)), "no name entry", 90)
    time.sleep(1)  # the panel shows Game Over at its next redraw
    same(game, "game-over", GAME)
    game.keys("Bobcx", command="type")  # c is a letter of the name here
    game.keys("Tab", "BackSpace", "Return")  # Tab is no letter of it
    # The prompt gives way to the one line that says the score was saved.
    same(game, "saved", VIEW)
    saved = harness.score_table(game.path("scores.dat"))
    check(saved == defaults[:9] + [("Bobc" + " " * 16, 2120)], "scores.dat: %r" % saved)


# SDL's disk driver captures the mixed sound output.
SOUND = {"SDL_AUDIODRIVER": "disk", "SDL_DISKAUDIOFILE": "out.raw", "SDL_DISKAUDIODELAY": "20"}
with harness.Display() as display:
    with harness.Game(display, env=SOUND) as game:
        game.start()
        start(game)
        first_row_and_click(game)
        defaults, said = pause_speed_scores(game)
        overflow_and_name(game, defaults)
        game.click_panel(76, 421)  # Exit: the credits, then the end ten seconds later
        same(game, "credits", VIEW)
        check(game.proc.wait(30) == 0, "the game did not end by itself after the credits")
        check(game.output() == said, "unexpected output %r" % game.output())
        with open(game.path("out.raw"), "rb") as raw:
            peak = max(map(abs, array.array("h", raw.read())))  # 16-bit little-endian
        check(peak > 8000, "the level clips were not heard: peak %d" % peak)

print("journey: all checks passed")
