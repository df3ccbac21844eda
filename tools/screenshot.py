#!/usr/bin/env python3
"""python3 tools/screenshot.py [BINARY [OUTPUT.png]]: the control panel and tunnel
view a few seconds in, under a private Xvfb; BINARY defaults to $TW_BINARY, then
build/tumblewell, OUTPUT to docs/screenshot.png."""

import os
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
if len(sys.argv) > 1:
    os.environ["TW_BINARY"] = os.path.abspath(sys.argv[1])
import harness  # noqa: E402  (reads TW_BINARY)

output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "docs", "screenshot.png")
with harness.Display() as display, harness.Game(display) as game:
    game.start()
    time.sleep(2.5)  # four blocks in the preview, the first row not yet pushed
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    x, y, width, height = harness.GAME
    crop = "%dx%d+%d+%d" % (width, height, x, y)
    display.run("import", "-window", "root", "-crop", crop, "+repage", output)
print("saved " + output)
