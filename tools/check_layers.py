#!/usr/bin/env python3
# The layers of src/, and which folder may include which (docs/architecture.md).
# The game's rules never draw and never reach the window system or the disk but
# through the interfaces they own, so that they run the same in a test, on the
# desktop and wherever else the game goes; only the platform talks to GLUT, GL,
# X11, SDL or the operating system's files and locks.
#   python3 tools/check_layers.py [SRC]   (exit 1 naming each file that breaks a rule)

import os
import re
import sys

# Folder -> the folders of src/ its files may include from.
ALLOWED = {
    "scores": {"scores"},
    "assets": {"assets"},
    "game": {"game", "scores", "assets"},
    "render": {"render", "game", "scores", "assets"},
    "app": {"app", "game", "scores", "assets", "render"},
    "platform": {"platform", "app", "game", "scores", "assets", "render"},
}
# System headers only the platform may use: the window system, graphics, sound
# devices, and files, locks and processes.
PLATFORM_ONLY = re.compile(r"^(GL|GLES\d*|EGL|X11|SDL|emscripten)/|^(emscripten|unistd|fcntl|pwd"
                           r"|dirent|malloc|dlfcn|poll|termios)\.h$|^sys/")

PROJECT = re.compile(r'^\s*#\s*include\s+"([^"/]+)/[^"]+"', re.M)
SYSTEM = re.compile(r"^\s*#\s*include\s+<([^>]+)>", re.M)


def main(src):
    broken = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            path = os.path.join(root, name)
            folder = os.path.relpath(path, src).split(os.sep)[0]
            if folder not in ALLOWED:
                continue
            with open(path, encoding="utf-8") as source:
                text = source.read()
            for used in PROJECT.findall(text):
                if used not in ALLOWED[folder]:
                    broken.append("%s includes from src/%s/" % (os.path.relpath(path), used))
            if folder != "platform":
                for header in SYSTEM.findall(text):
                    if PLATFORM_ONLY.search(header):
                        broken.append("%s includes <%s>, which is the platform's"
                                      % (os.path.relpath(path), header))
    for line in broken:
        print("layers: " + line, file=sys.stderr)
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "src"))
