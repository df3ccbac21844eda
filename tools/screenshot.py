#!/usr/bin/env python3
"""Takes a picture of the running game, control panel and tunnel view, under a
private Xvfb server and saves it as docs/screenshot.png.

    python3 tools/screenshot.py [path/to/tumblewell] [output.png]

The game binary defaults to $TW_BINARY, then build/tumblewell. The picture is
taken a few seconds in, when the row preview holds some blocks.
"""

import os
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
if len(sys.argv) > 1:
    os.environ["TW_BINARY"] = os.path.abspath(sys.argv[1])
os.environ.setdefault("TW_SOURCE_DIR", ROOT)

import harness  # noqa: E402  (needs the environment above)


def main():
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(ROOT, "docs", "screenshot.png")
    with harness.Display() as display, harness.Game(display) as game:
        game.start()
        game.wait_window()
        time.sleep(2.5)  # four blocks in the preview, the first row not yet pushed
        screen = game.screenshot()
    x0, y0 = harness.PANEL_ORIGIN
    width, height = harness.PANEL_SIZE
    starts = [((y0 + y) * screen.width + x0) * 3 for y in range(height)]
    rows = [screen.data[start:start + width * 3] for start in starts]
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    harness.Image(width, height, b"".join(rows)).save_png(output)
    print("saved " + output)


if __name__ == "__main__":
    main()
