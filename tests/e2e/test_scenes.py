# The game's own drawing routines in known scenes (the `scenes` program: a full
# tunnel, the colour aid's shapes), each whole window compared pixel for pixel
# with reference/scene-NAME.png. A faster way of drawing must keep every picture.

import os
import subprocess

import harness
from harness import check

BINARY = os.environ.get("TW_SCENES", os.path.join(os.path.dirname(harness.BINARY), "tests", "scenes"))

with harness.Display() as display, harness.Game(display) as game:
    env = {**display.env(), "LIBGL_ALWAYS_SOFTWARE": "1", "SDL_AUDIODRIVER": "dummy"}
    proc = subprocess.Popen([BINARY], cwd=game.workdir, env=env, text=True, stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE)
    for scene in ["full", "aid"]:
        print(scene, file=proc.stdin, flush=True)
        check(proc.stdout.readline() == "drawn\n", "scene %s not drawn" % scene)
        wrong = game.screenshot().differs("scene-" + scene, harness.GAME)
        check(not wrong, "scene %s differs from its reference in %d pixels" % (scene, wrong))
    proc.stdin.close()
    check(proc.wait(20) == 0, "the scene program failed")

print("scenes: all pictures as their references")
