#!/usr/bin/env python3
# The layers of src/: which folders a file may include from. The game's rules
# never draw and never reach the window system, so that they run the same in
# a test, on the desktop and wherever else the game goes.
#   python3 tools/check_layers.py [SRC]   (exit 1 naming each file that breaks a rule)

import os
import re
import sys

# Folder -> folders of src/ its files may not include.
FORBIDDEN = {
    "game": {"render", "app"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.M)


def main(src):
    broken = []
    for folder, banned in sorted(FORBIDDEN.items()):
        for root, _, files in os.walk(os.path.join(src, folder)):
            for name in sorted(files):
                path = os.path.join(root, name)
                with open(path, encoding="utf-8") as text:
                    for used in INCLUDE.findall(text.read()):
                        if used in banned:
                            broken.append("%s includes from src/%s/" % (os.path.relpath(path), used))
    for line in broken:
        print("layers: " + line, file=sys.stderr)
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "src"))
