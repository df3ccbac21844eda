"""Shared helpers for the end-to-end tests: an Xvfb server of the test's own, the
real game started in a scratch copy of its working files, screenshots, pixel
reading and xdotool input.

Every test script does roughly:

    with harness.Display() as display, harness.Game(display) as game:
        game.start()
        game.wait_window()
        shot = game.screenshot()
        ...
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SOURCE_DIR = os.environ.get("TW_SOURCE_DIR", os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))))
BINARY = os.environ.get("TW_BINARY", os.path.join(SOURCE_DIR, "build", "tumblewell"))
TEXTURES = ["red.ppm", "green.ppm", "blue.ppm", "lightblue.ppm"]

# Where the windows land on an Xvfb screen with no window manager.
PANEL_ORIGIN = (100, 100)
VIEW_OFFSET = (170, 0)
PANEL_SIZE = (800, 600)
VIEW_SIZE = (630, 500)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


class Display:
    """An Xvfb server on a free display number, stopped on exit (also when the
    test fails)."""

    def __init__(self, size="1024x768x24"):
        self.size = size
        self.proc = None
        self.name = None

    def __enter__(self):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.size, "-nolisten", "tcp",
             "+extension", "GLX"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        deadline = time.time() + 20
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        if not number.strip():
            self.proc.kill()
            fail("Xvfb did not start")
        self.name = ":" + number.decode().strip()
        return self

    def __exit__(self, *exc):
        if self.proc:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
        return False

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.name
        return env

    def run(self, args, **kwargs):
        return subprocess.run(args, env=self.env(), capture_output=True, text=True, **kwargs)


class Image:
    """A screenshot as raw RGB bytes; pixel(x, y) in screen pixels from the top left."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @staticmethod
    def from_ppm(blob):
        # P6 header: magic, width, height, maxval, one whitespace byte, raster.
        fields, pos = [], 0
        while len(fields) < 4:
            while blob[pos:pos + 1].isspace():
                pos += 1
            if blob[pos:pos + 1] == b"#":
                pos = blob.index(b"\n", pos) + 1
                continue
            start = pos
            while not blob[pos:pos + 1].isspace():
                pos += 1
            fields.append(blob[start:pos])
        return Image(int(fields[1]), int(fields[2]), blob[pos + 1:])

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def save_png(self, path):
        header = b"P6\n%d %d\n255\n" % (self.width, self.height)
        subprocess.run(["convert", "ppm:-", path], input=header + self.data, check=True)


def close(colour, expected, tolerance=6):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


class Game:
    """The real game in a scratch working directory holding copies of the
    textures and the clips (minus any the test leaves out)."""

    def __init__(self, display, omit=(), speed=None, env=None, scores=None):
        self.display = display
        self.omit = set(omit)
        self.speed = speed
        self.extra_env = env or {}
        self.scores = scores
        self.proc = None
        self.window = None
        self.workdir = None

    def __enter__(self):
        self.workdir = tempfile.mkdtemp(prefix="tumblewell-e2e-")
        for name in TEXTURES:
            if name not in self.omit:
                shutil.copy(os.path.join(SOURCE_DIR, name), self.workdir)
        data = os.path.join(SOURCE_DIR, "data")
        if os.path.isdir(data) and "data" not in self.omit:
            shutil.copytree(data, os.path.join(self.workdir, "data"))
        if self.scores is not None:
            with open(self.path("scores.dat"), "wb") as out:
                out.write(self.scores)
        return self

    def __exit__(self, *exc):
        self.kill()
        if exc[0] is None:
            shutil.rmtree(self.workdir, ignore_errors=True)
        else:
            print("kept working directory " + self.workdir, file=sys.stderr)
        return False

    def path(self, name):
        return os.path.join(self.workdir, name)

    def start(self):
        env = self.display.env()
        env.setdefault("LIBGL_ALWAYS_SOFTWARE", "1")
        env.setdefault("SDL_AUDIODRIVER", "dummy")
        env.update(self.extra_env)
        args = [BINARY]
        if self.speed:
            args = ["faketime", "-f", "+0 x%g" % self.speed] + args
        self.stdout = open(self.path("stdout.txt"), "wb")
        self.stderr = open(self.path("stderr.txt"), "wb")
        self.proc = subprocess.Popen(args, cwd=self.workdir, env=env, stdout=self.stdout,
                                     stderr=self.stderr)
        return self

    def output(self):
        self.stdout.flush()
        self.stderr.flush()
        with open(self.path("stdout.txt"), "rb") as out, open(self.path("stderr.txt"), "rb") as err:
            return out.read().decode(errors="replace"), err.read().decode(errors="replace")

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=30):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.running():
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()

    def windows(self, name=None):
        args = ["xdotool", "search", "--onlyvisible"]
        args += ["--name", name] if name else ["--class", ""]
        result = self.display.run(args)
        return [int(w) for w in result.stdout.split()]

    def wait_window(self, name="Tumblewell", timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            check(self.running(), "the game ended before its window appeared: %r" % (self.output(),))
            found = self.windows(name)
            if found:
                self.window = found[0]
                # Give the first frames time to be drawn.
                self.settle()
                return self.window
            time.sleep(0.1)
        fail("no window named %s appeared" % name)

    def settle(self, seconds=0.8):
        time.sleep(seconds)

    def geometry(self, window):
        out = self.display.run(["xdotool", "getwindowgeometry", "--shell", str(window)]).stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return (int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"]))

    def screenshot(self):
        # 8 bits a sample: import writes 16-bit PPM unless told otherwise.
        blob = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.display.env(), capture_output=True, check=True).stdout
        return Image.from_ppm(blob)

    # Panel coordinates: origin at the panel's bottom left, y upward, as the game
    # draws. These give the screen pixel that shows the panel point.
    def panel_pixel(self, image, px, py):
        return image.pixel(PANEL_ORIGIN[0] + px, PANEL_ORIGIN[1] + PANEL_SIZE[1] - 1 - py)

    def view_pixel(self, image, vx, vy):
        """A pixel of the view window, (0, 0) its top left."""
        return image.pixel(PANEL_ORIGIN[0] + VIEW_OFFSET[0] + vx, PANEL_ORIGIN[1] + VIEW_OFFSET[1] + vy)

    def mouse(self, wx, wy, button=1, action="click"):
        """Mouse at window position (wx, wy) of the control panel (y down, as GLUT
        reports it); action is click, down (press and hold) or up."""
        sx, sy = PANEL_ORIGIN[0] + wx, PANEL_ORIGIN[1] + wy
        self.display.run(["xdotool", "mousemove", str(sx), str(sy)])
        time.sleep(0.05)
        command = {"click": "click", "down": "mousedown", "up": "mouseup"}[action]
        self.display.run(["xdotool", command, str(button)])
        time.sleep(0.1)

    def click_panel(self, px, py, button=1):
        """A click at panel point (px, py) (y up, as the game draws)."""
        self.mouse(px, PANEL_SIZE[1] - py, button)

    def keys(self, *names):
        # Without a window manager the keyboard follows the pointer, so point
        # at the panel's left column first.
        self.display.run(["xdotool", "mousemove", str(PANEL_ORIGIN[0] + 5), str(PANEL_ORIGIN[1] + 5)])
        for name in names:
            self.display.run(["xdotool", "key", name])
            time.sleep(0.05)
        time.sleep(0.1)

    def type_text(self, text):
        self.display.run(["xdotool", "mousemove", str(PANEL_ORIGIN[0] + 5), str(PANEL_ORIGIN[1] + 5)])
        self.display.run(["xdotool", "type", "--delay", "60", text])
        time.sleep(0.1)


# Block colours as the game draws them, by block value.
BLOCK_RGB = {1: (1.0, 0.0, 0.0), 2: (0.0, 0.8, 0.3), 3: (0.0, 0.0, 1.0), 4: (0.0, 0.8, 1.0)}


def start_board(rows=4, colours=3, skip=0):
    """The walls the game deals from the C library's never-seeded rand(): one
    value per cell, side by side, row by row from the far end, column by column,
    `skip` values in. board[side][row][col], empty rows 0."""
    import ctypes
    libc = ctypes.CDLL("libc.so.6")
    libc.srand(1)  # what an unseeded rand() starts from
    values = [libc.rand() for _ in range(skip + 4 * rows * 5)][skip:]
    board = [[[0] * 5 for _ in range(7)] for _ in range(4)]
    for i, value in enumerate(values):
        side, rest = divmod(i, rows * 5)
        board[side][rest // 5][rest % 5] = value % colours + 1
    return board


def shade(rgb, alpha, ground=(1.0, 1.0, 1.0)):
    """rgb laid at `alpha` over `ground`, as 8-bit samples."""
    return tuple(round(255 * (alpha * c + (1 - alpha) * g)) for c, g in zip(rgb, ground))


def nearest_block(colour, alpha, ground=(1.0, 1.0, 1.0)):
    """The block value (1 to 4) whose shade is nearest to `colour`."""
    return min(BLOCK_RGB, key=lambda k: sum(abs(a - b) for a, b in
                                            zip(colour, shade(BLOCK_RGB[k], alpha, ground))))


def read_grid(game, shot):
    """The flat grid of the wall in view as grid[row][col] block values, read at
    the middle of each cell: 0 for the bare white ground, else the block whose
    80 % shade over white is nearest."""
    grid = [[0] * 5 for _ in range(7)]
    for r in range(7):
        for c in range(5):
            got = game.panel_pixel(shot, 10 + 30 * c + 15, 30 * r + 15)
            grid[r][c] = 0 if got == (255, 255, 255) else nearest_block(got, 0.8)
    return grid
