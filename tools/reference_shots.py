#!/usr/bin/env python3
# python3 tools/reference_shots.py [BUILD_DIR]: retakes tests/e2e/reference/*.png,
# the pictures every drawing change must keep, from the game and the scene program
# of BUILD_DIR (default build/), by running the end-to-end scripts that compare
# against them with TW_UPDATE_REFERENCE=1. Run it only when a picture is meant to
# change, and look at the pictures before committing them.
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
env = dict(os.environ, TW_UPDATE_REFERENCE="1", TW_SOURCE_DIR=ROOT, LIBGL_ALWAYS_SOFTWARE="1",
           TW_BINARY=os.path.join(BUILD, "tumblewell"), TW_SCENES=os.path.join(BUILD, "tests", "scenes"))
for script in ["test_scenes.py", "test_journey.py", "test_setups.py"]:
    subprocess.run([sys.executable, os.path.join(ROOT, "tests", "e2e", script)], env=env, check=True)
