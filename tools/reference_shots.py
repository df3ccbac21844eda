#!/usr/bin/env python3
"""python3 tools/reference_shots.py [BUILD_DIR]: retakes tests/e2e/reference/*.png,
the pictures every drawing change must keep, from the scene program of BUILD_DIR
(default build/) under a private Xvfb. Run it only when a picture is meant to
change; `make test` compares the current build against them."""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
os.environ["TW_SCENES"] = os.path.join(BUILD, "tests", "scenes")
import harness  # noqa: E402
import reference  # noqa: E402  (reads TW_SCENES)

with harness.Display() as display:
    shots = reference.shoot(display)
reference.save(shots)
print("saved %d references in %s" % (len(shots), reference.REFERENCE_DIR))
