# End-to-end helpers: a private Xvfb server, the real game in a scratch copy of
# its working files, screenshots read as the player sees them, xdotool input.

import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SOURCE_DIR = os.environ.get("TW_SOURCE_DIR", os.path.abspath(os.path.join(__file__, "../../..")))
BINARY = os.environ.get("TW_BINARY", os.path.join(SOURCE_DIR, "build", "tumblewell"))
SCREEN = (1024, 768)
# Screen boxes (x, y, width, height) of the game's window, the view within it
# and the flat grid, on an Xvfb screen with no window manager.
GAME, VIEW, GRID = (100, 100, 800, 600), (270, 100, 630, 500), (110, 490, 150, 210)
# GROUND is the panel's grey.
WHITE, CYAN, GROUND = (255, 255, 255), (0, 255, 255), (128, 128, 128)


def check(condition, message):
    if not condition:
        print("FAIL: " + message, file=sys.stderr)
        sys.exit(1)


def lit_rows(shot, colour, rows):  # rows of the view, from its top
    return any(shot.view(x, y) == colour for y in rows for x in range(0, 630, 2))


def score_table(path):
    # The ten (name, score) records of a "scores.dat" file.
    with open(path, "rb") as table:
        blob = table.read()
    check(len(blob) == 240, "scores.dat holds %d bytes" % len(blob))
    return [(blob[i:i + 20].decode(errors="replace"), struct.unpack_from("<i", blob, i + 20)[0])
            for i in range(0, 240, 24)]


class Display:
    # An Xvfb server on a free display number with a screen of `size`, stopped on
    # exit. -noreset: a server that resets whenever its last client (an xdotool
    # call) leaves would refuse the game's connection meanwhile.

    def __init__(self, size=SCREEN):
        self.size = size

    def __enter__(self):
        read_fd, write_fd = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % self.size, "-nolisten",
             "tcp", "-noreset", "+extension", "GLX"], pass_fds=(write_fd,),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd, "rb") as pipe:
            self.name = ":" + pipe.readline().decode().strip()
        check(self.name != ":", "Xvfb did not start")
        return self

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def run(self, *args):
        return subprocess.run(list(map(str, args)), env=self.env(), capture_output=True, text=True)


class Image(bytes):
    # A screenshot of the whole screen as raw RGB bytes, `width` pixels a row.
    width = SCREEN[0]

    def differs(self, name, box, skip=None):
        # How many pixels of `box` (x, y, width, height on the screen) differ from
        # tests/e2e/reference/NAME.png, leaving out those of the box `skip` within it;
        # TW_UPDATE_REFERENCE=1 rewrites it (unless pixels are left out).
        x, y, w, h = box
        got = b"".join(self[((y + r) * self.width + x) * 3:][:w * 3] for r in range(h))
        path = os.path.join(SOURCE_DIR, "tests", "e2e", "reference", name + ".png")
        if os.environ.get("TW_UPDATE_REFERENCE") and not skip:
            subprocess.run(["convert", "-size", "%dx%d" % (w, h), "-depth", "8", "rgb:-", path],
                           input=got, check=True)
        want = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                              check=True).stdout
        sx, sy, sw, sh = skip or (0, 0, 0, 0)
        return got != want and sum(got[i:i + 3] != want[i:i + 3] and not (
            sx <= x + i // 3 % w < sx + sw and sy <= y + i // 3 // w < sy + sh)
            for i in range(0, len(got), 3))

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self[at:at + 3])

    def panel(self, px, py):  # panel point (px, py): origin bottom left, y up, as the game draws
        return self.pixel(GAME[0] + px, GAME[1] + GAME[3] - 1 - py)

    def view(self, x, y):
        return self.pixel(VIEW[0] + x, VIEW[1] + y)

    def grid(self):  # the flat grid's [row][col]: whether a block shows there
        return [[self.panel(25 + 30 * c, 15 + 30 * r) != WHITE for c in range(5)] for r in range(7)]


class Game:
    # The real game in a scratch directory (beside the binary: other programs may
    # clear /tmp meanwhile) with the textures, less `omit`, and the clips, or, given
    # an installed `binary`, in an empty one; `speed` runs its clock that many
    # times faster under faketime; `user` runs it as that user and group id, so
    # that file permissions apply (root ignores them); `wrap` is a command that
    # runs it (such as strace).

    def __init__(self, display, omit=(), speed=None, env=None, binary=None, user=None, wrap=()):
        self.display, self.omit, self.speed, self.env = display, omit, speed, env or {}
        self.proc, self.binary, self.user, self.wrap = None, binary, user, list(wrap)

    def __enter__(self):
        self.stage = None
        if self.user is not None:
            # The checkout may lie in a folder other users cannot enter (a 0700
            # home, a mktemp -d folder): the game and its folder go into one of
            # their own, open to all.
            self.stage = tempfile.mkdtemp(prefix="tumblewell-e2e-")
            os.chmod(self.stage, 0o755)
            self.binary = self.binary or shutil.copy(BINARY, self.stage)
        self.workdir = tempfile.mkdtemp(prefix="e2e-", dir=self.stage or os.path.dirname(BINARY))
        if self.user is not None:
            os.chmod(self.workdir, 0o777)
        if self.binary and self.user is None:
            return self
        for name in {"red.ppm", "green.ppm", "blue.ppm", "lightblue.ppm"} - set(self.omit):
            shutil.copy(os.path.join(SOURCE_DIR, name), self.workdir)
        shutil.copytree(os.path.join(SOURCE_DIR, "data"), self.path("data"))
        return self

    def __exit__(self, failed, *exc):
        if self.running():  # the game and whatever runs it (a tracer would leave it running)
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        if failed:
            print("kept working directory " + self.workdir, file=sys.stderr)
        else:
            shutil.rmtree(self.stage or self.workdir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.workdir, name)

    def start(self, window=True, args=()):
        env = {**self.display.env(), "LIBGL_ALWAYS_SOFTWARE": "1", "SDL_AUDIODRIVER": "dummy",
               **self.env}
        clock = {}
        if self.speed:  # faketime's preload without its wrapper, so that proc is the game
            clock = {"LD_PRELOAD": "/usr/$LIB/faketime/libfaketime.so.1",
                     "FAKETIME": "+0 x%g" % self.speed}
        command, wrap = [self.binary or BINARY, *args], self.wrap
        if self.user is not None:
            wrap = ["setpriv", "--reuid=%d" % self.user, "--regid=%d" % self.user,
                    "--clear-groups"] + wrap
        if wrap:  # the clock for the game alone: setpriv would make faketime's semaphore as root
            command = wrap + ["env"] + ["%s=%s" % kv for kv in clock.items()] + command
        else:
            env.update(clock)
        with open(self.path("stdout"), "wb") as out, open(self.path("stderr"), "wb") as err:
            self.proc = subprocess.Popen(command, cwd=self.workdir, env=env, stdout=out, stderr=err,
                                         start_new_session=True)
        if window:
            self.wait_window()

    def finish(self):
        # Waits for the game to end: its exit status and its peak resident memory in MiB.
        _, status, usage = os.wait4(self.proc.pid, 0)
        self.proc.returncode = os.waitstatus_to_exitcode(status)
        return self.proc.returncode, usage.ru_maxrss / 1024

    def output(self, stream="stdout"):
        with open(self.path(stream), errors="replace") as text:
            return text.read()

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def window(self):  # the id of the game's window, "" until it shows
        found = self.display.run("xdotool", "search", "--onlyvisible", "--name", "Tumblewell")
        return (found.stdout.split() or [""])[0]

    def wait_window(self):
        for _ in range(300):
            check(self.running(), "the game ended early: %r" % self.output("stderr"))
            if self.window():
                return time.sleep(0.8)  # the first frames are drawn
            time.sleep(0.1)
        check(False, "no window named Tumblewell appeared")

    def screenshot(self):
        shot = Image(subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"],
                                    env=self.display.env(), capture_output=True, check=True).stdout)
        shot.width = self.display.size[0]
        return shot

    def expect(self, test, message, seconds=30):
        # The first screenshot that passes `test` within `seconds`; fails with `message`.
        deadline = time.time() + seconds
        while not test(shot := self.screenshot()):
            check(time.time() < deadline, message)
            time.sleep(0.1)
        return shot

    def same(self, name, box, skip=None):
        # The screen matches reference/NAME.png in `box`, but for the box `skip`, within 5 s.
        self.expect(lambda shot: not shot.differs(name, box, skip),
                    "not as reference/%s.png" % name, 5)

    def first_screen(self):
        # The windows and the first walls, as reference/start.png, once the first
        # tick has put a block into the row preview.
        self.expect(lambda shot: shot.panel(331, 40) != GROUND, "no block previewed", 5)
        self.same("start", GAME)

    def skip_levels(self, count):
        # n once per level, each after the last level change's 3.5 s wait: keys
        # pressed during a level change would count as one skip.
        for _ in range(count):
            self.keys("n")
            time.sleep(max(4.0 / (self.speed or 1), 0.8))

    def click_panel(self, px, py, button=1, action="click"):
        # xdotool `action` (click, mousedown or mouseup) at panel point (px, py), y up.
        x, y = GAME[0] + px, GAME[1] + GAME[3] - py
        self.display.run("xdotool", "mousemove", x, y, "sleep", 0.05, action, button)
        time.sleep(0.1)

    def keys(self, *names, command="key"):
        # xdotool `command` (key or type) with `names`, the pointer over the panel: with
        # no window manager the keyboard follows the pointer.
        self.display.run("xdotool", "mousemove", GAME[0] + 5, GAME[1] + 5,
                         command, "--delay", 50, *names)
        time.sleep(0.15)
