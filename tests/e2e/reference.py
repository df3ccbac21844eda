"""Reference screenshots: the game's drawing routines in known scenes (scenes.cpp)
under a private Xvfb, each the whole 800 by 600 panel with the view in it, kept
as PNGs in tests/e2e/reference/ and compared pixel for pixel."""

import os
import subprocess

import harness

SCENES = ["play", "paused", "full", "scores", "over", "credits"]
SCENE_BINARY = os.environ.get(
    "TW_SCENES", os.path.join(os.path.dirname(harness.BINARY), "tests", "scenes"))
REFERENCE_DIR = os.path.join(harness.SOURCE_DIR, "tests", "e2e", "reference")


def shoot(display):
    """{scene: the window's RGB bytes} for every scene, in order."""
    shots = {}
    with harness.Game(display) as game:
        env = {"LIBGL_ALWAYS_SOFTWARE": "1", "SDL_AUDIODRIVER": "dummy", **display.env()}
        proc = subprocess.Popen([SCENE_BINARY], cwd=game.workdir, env=env, text=True,
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        for scene in SCENES:
            proc.stdin.write(scene + "\n")
            proc.stdin.flush()
            harness.check(proc.stdout.readline() == "drawn\n", "scene %s not drawn" % scene)
            shot = game.screenshot()
            (x, y), (width, height) = harness.PANEL_ORIGIN, harness.PANEL_SIZE
            starts = [((y + row) * harness.SCREEN[0] + x) * 3 for row in range(height)]
            shots[scene] = b"".join(shot[i:i + 3 * width] for i in starts)
        proc.stdin.close()
        harness.check(proc.wait(20) == 0, "the scene program failed")
    return shots


def convert(*args, data=None):
    return subprocess.run(["convert", *args], input=data, capture_output=True, check=True).stdout


def png_path(scene):
    return os.path.join(REFERENCE_DIR, scene + ".png")


def save(shots):
    size = "%dx%d" % harness.PANEL_SIZE
    for scene, rgb in shots.items():
        convert("-size", size, "-depth", "8", "rgb:-", "png:" + png_path(scene), data=rgb)


def compare(shots):
    """Fails naming the first scene that differs from its reference, and where."""
    for scene, rgb in shots.items():
        ref = convert(png_path(scene), "-depth", "8", "rgb:-")
        if ref == rgb:
            continue
        diff = [i // 3 for i in range(0, len(ref), 3) if ref[i:i + 3] != rgb[i:i + 3]]
        harness.check(len(ref) == len(rgb) and not diff, "scene %s differs from its reference in %d "
                      "pixels, first at %s" % (scene, len(diff), diff and divmod(diff[0], 800)[::-1]))
