# The game's own drawing routines in known scenes (the `scenes` program: a full
# tunnel, the colour aid's shapes), each whole window compared pixel for pixel
# with reference/scene-NAME.png. A faster way of drawing must keep every picture.
# The aid's shapes, found as what it changes in its scene, are also measured, and
# the font's table is checked against the font GLUT draws.

import itertools
import os
import subprocess

import harness
from harness import GAME, WHITE, check

BINARY = os.environ.get("TW_SCENES", os.path.join(os.path.dirname(harness.BINARY), "tests", "scenes"))
MAKE_FONT = os.path.join(os.path.dirname(BINARY), "make_font")


def grey(rgb):  # the luma a greyscale screen shows
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]


def blobs(points):  # the points, in groups joined side by side
    left, groups = set(points), []
    while left:
        todo, group = [left.pop()], []
        while todo:
            x, y = todo.pop()
            group.append((x, y))
            for near in [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]:
                if near in left:
                    left.remove(near)
                    todo.append(near)
        groups.append(group)
    return groups


def shapes_tell_apart(aid, plain):
    # The first four cells of the flat grid's bottom row hold the four colours: any
    # two of their shapes (the pixels the aid changes) differ in at least 35 % of
    # the pixels they cover between them. In grey, every shape, or any sizable part
    # of one that shows past nearer cubes, differs from its face somewhere by a
    # tenth of the range; smaller slivers behind two cubes fade as they do in colour.
    masks = [{(x - 30 * c, y) for x in range(10 + 30 * c, 40 + 30 * c) for y in range(30)
              if aid.panel(x, y) != plain.panel(x, y)} for c in range(4)]
    for a, b in itertools.combinations(masks, 2):
        check(len(a ^ b) >= 0.35 * len(a | b), "two shapes differ in %d of %d pixels"
              % (len(a ^ b), len(a | b)))
    changed = [(x, y) for x in range(GAME[0], GAME[0] + GAME[2])
               for y in range(GAME[1], GAME[1] + GAME[3]) if aid.pixel(x, y) != plain.pixel(x, y)]
    for blob in blobs(changed):
        contrast = max(abs(grey(aid.pixel(*p)) - grey(plain.pixel(*p))) for p in blob)
        check(len(blob) < 20 or contrast >= 25, "a shape at %s fades in grey" % (blob[0],))


def cursor_rings(cursor, plain):
    # The keyboard's cursor on the green block of row 2, column 2: its cell ringed
    # whole, 3 pixels of black from its edge, then 2 of white; nothing else changed.
    for px in range(0, 170):
        for py in range(0, 240):
            inset = min(px - 70, 99 - px, py - 60, 89 - py)  # pixels in from the cell's edge
            want = (0, 0, 0) if 0 <= inset < 3 else WHITE if 3 <= inset < 5 else plain.panel(px, py)
            check(cursor.panel(px, py) == want, "the cursor at %d,%d shows %s, not %s"
                  % (px, py, cursor.panel(px, py), want))


with harness.Display() as display, harness.Game(display) as game:
    env = {**display.env(), "LIBGL_ALWAYS_SOFTWARE": "1", "SDL_AUDIODRIVER": "dummy"}
    proc = subprocess.Popen([BINARY], cwd=game.workdir, env=env, text=True, stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE)
    shots = {}
    # plain: the aid's scene without it; cursor: the plain scene with the cursor
    for scene in ["full", "aid", "plain", "paused", "help", "over", "sound-off", "cursor"]:
        print(scene, file=proc.stdin, flush=True)
        check(proc.stdout.readline() == "drawn\n", "scene %s not drawn" % scene)
        shots[scene] = game.screenshot()
        wrong = scene not in ("plain", "cursor") and shots[scene].differs("scene-" + scene, GAME)
        check(not wrong, "scene %s differs from its reference in %d pixels" % (scene, wrong))
    proc.stdin.close()
    check(proc.wait(20) == 0, "the scene program failed")
    shapes_tell_apart(shots["aid"], shots["plain"])
    cursor_rings(shots["cursor"], shots["plain"])
    # The font the game draws from is the one GLUT draws, character for character.
    # (A tool, not the game: the graphics driver's own allocations at its exit are
    # no leak of the game's.)
    drawn = subprocess.run([MAKE_FONT], env={**env, "ASAN_OPTIONS": "detect_leaks=0"},
                           capture_output=True, text=True)
    laid_out = subprocess.run(["clang-format", "--assume-filename=src/render/font_8x13.cpp"],
                              input=drawn.stdout, cwd=harness.SOURCE_DIR, capture_output=True,
                              text=True).stdout
    with open(os.path.join(harness.SOURCE_DIR, "src", "render", "font_8x13.cpp")) as table:
        check(drawn.returncode == 0 and laid_out == table.read(),
              "src/render/font_8x13.cpp is not GLUT's 8 by 13 font (make font): %s" % drawn.stderr)

print("scenes: all pictures as their references, the aid's shapes told apart, the font GLUT's")
