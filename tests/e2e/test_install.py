# The installed game: install rules into a moved prefix, the desktop files'
# validators, the program's own options without a display (and a mistake among
# them refused before it touches the disk), the game started from an unrelated
# empty folder with its table in the player's data folder and its window naming
# its class and icon, the Debian package's contents, dependencies, licence and
# lintian verdict, and no address under a domain the project does not own.

import glob
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import time

import harness
from harness import check

BUILD = os.path.dirname(harness.BINARY)


def run(*args, **kwargs):
    done = subprocess.run(args, capture_output=True, **{"text": True, **kwargs})
    check(done.returncode == 0, "%s failed: %s%s" % (args[0], done.stdout, done.stderr))
    return done


with tempfile.TemporaryDirectory() as scratch:
    # Installed under /usr in a staging folder: the game must find its data
    # from where it actually lies.
    stage, home = os.path.join(scratch, "stage"), os.path.join(scratch, "home")
    run("cmake", "--install", BUILD, "--prefix", "/usr", env=dict(os.environ, DESTDIR=stage))
    usr, binary = stage + "/usr", stage + "/usr/games/tumblewell"
    run("desktop-file-validate", *glob.glob(usr + "/share/applications/*.desktop"))
    metainfo = run("appstreamcli", "validate", "--no-net", "--pedantic",
                   *glob.glob(usr + "/share/metainfo/*.xml")).stdout
    check(not re.search(r"^[EW]:", metainfo, re.M), "appstreamcli: " + metainfo)
    man = run("man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8",
              usr + "/share/man/man6/tumblewell.6.gz", env=dict(os.environ, MANWIDTH="80"))
    check(man.stderr == "", "the manual page has warnings: " + man.stderr)
    man_text = re.sub(".\b", "", man.stdout)  # without the overstrikes of bold and underline

    os.mkdir(home)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "XDG_DATA_HOME")}
    env["HOME"] = home
    version = run(binary, "--version", env=env, cwd=scratch).stdout
    check(re.fullmatch(r"tumblewell \d+\.\d+\.\d+\n", version), "--version printed %r" % version)
    usage = run(binary, "--help", env=env, cwd=scratch).stdout
    check("Controls:" in usage and usr + "/share/tumblewell/data/*.wav" in usage
          and home + "/.local/share/tumblewell/scores.dat" in usage
          and max(map(len, usage.splitlines())) <= 80, "--help printed " + usage)
    # The controls --help lists are those the manual page and the README name:
    # every button and key of its table stands in both, as a word of its own.
    rows = usage.split("Controls:\n")[1].split("\nAfter")[0].splitlines()
    names = set()
    for row in rows:  # the input, then the keys its action names
        names.update(re.split(r" / | or |, | \(|\)", row[2:26].strip()))
        names.update(sum((keys.split(", ") for keys in re.findall(r"\(keys (.*)\)", row)), []))
    names.discard("")
    readme = open(os.path.join(harness.SOURCE_DIR, "README.md")).read()
    told = {"README": readme.split("## Controls")[1].split("\n\n")[1],
            "manual page": man_text.split("CONTROLS")[1].split("FILES")[0].replace("\u2010", "-")}
    missing = ["%s in the %s" % (name, where) for name in sorted(names) for where, text in told.items()
               if not re.search(r"(?<![\w+-])%s(?![\w+-])" % re.escape(name.strip()), text)]
    check(len(rows) == 16 and len(names) == 32 and not missing, "controls untold: %s" % missing)
    options = re.findall(r"^  (-[\w-]+)(?:, (-[\w-]+))?", usage, re.M)
    missing = {name for pair in options for name in pair if name and name not in man_text}
    check(len(options) > 5 and not missing, "the manual page lacks options %s" % missing)
    # A mistake on the command line ends the game before it opens a window or
    # creates its score folder.
    # Without a display, one line of its own, before it opens the sound device.
    alone = subprocess.run([binary], env=env, cwd=scratch, capture_output=True, text=True)
    check(alone.returncode == 1 and alone.stderr ==
          "tumblewell: cannot open the display: DISPLAY is not set\n", "no display: %r" % alone)
    bogus = subprocess.run([binary, "--bogus"], env=env, cwd=scratch, capture_output=True,
                           text=True)
    check(bogus.returncode == 2 and bogus.stderr.startswith(
        "tumblewell: unknown option '--bogus'\nTry 'tumblewell --help'"), "--bogus: %r" % bogus)
    check(os.listdir(home) == [], "--help or --bogus left files in the home folder")

    with harness.Display() as display, harness.Game(display, binary=binary,
                                                    env={"HOME": home}) as game:
        game.start()
        game.first_screen()  # textures and all, as from the source tree
        # The window names its class, the menu entry's StartupWMClass, its
        # process and its icon at four sizes.
        window = game.window()
        props = display.run("xprop", "-id", window, "-f", "_NET_WM_ICON", "32c", "WM_CLASS",
                            "_NET_WM_PID", "_NET_WM_ICON").stdout
        entry = open(glob.glob(usr + "/share/applications/*.desktop")[0]).read()
        wm_class = re.search(r'WM_CLASS\(STRING\) = "tumblewell", "(\w+)"', props)
        check(wm_class and "\nStartupWMClass=%s\n" % wm_class[1] in entry
              and "_NET_WM_PID(CARDINAL) = %d\n" % game.proc.pid in props, props[:200])
        icon, sizes = [int(v) for v in re.findall(r"\d+", props.split("_NET_WM_ICON")[1])], {}
        while icon:
            width, height = icon[:2]
            sizes[width, height], icon = icon[2:2 + width * height], icon[2 + width * height:]
        check(list(sizes) == [(16, 16), (32, 32), (48, 48), (128, 128)], "icons %s" % list(sizes))
        game.click_panel(76, 571)  # Scores: the table is made with its defaults
        time.sleep(0.5)
        table = harness.score_table(home + "/.local/share/tumblewell/scores.dat")
        check(table[0] == ("Stack Master        ", 20000), "the new table starts %r" % table[:1])
        game.click_panel(76, 571)
        game.keys("n")  # the level's clip comes from the installed data
        time.sleep(1)
        check("Couldn't" not in game.output("stderr"), "stderr: " + game.output("stderr"))
        game.keys("c")  # remembered in the settings file
        check(sorted(os.listdir(game.workdir)) == ["stderr", "stdout"],
              "the game wrote into its working folder: %s" % os.listdir(game.workdir))
        game.keys("q")
        game.proc.wait(10)

    # The next run, started from a folder that holds the block pictures (as a source
    # tree does), is the installed game all the same: it starts with the colour aid
    # on, even with a line added to the file that it cannot use (said once), keeps
    # that line and another it does not know when c is pressed again, and writes
    # nothing into that folder. F11 then Escape leaves the next start in a window.
    settings = pathlib.Path(home + "/.config/tumblewell/settings")
    written = settings.read_text()
    check("\ncolour-aid = on\n" in written, "the settings file holds %r" % written)
    settings.write_text(written + "volume = 11\nloud\n")
    with harness.Display() as display, harness.Game(display, binary=binary,
                                                    env={"HOME": home}) as game:
        pictures = ["red.ppm", "green.ppm", "blue.ppm", "lightblue.ppm"]
        for name in pictures:
            shutil.copy(os.path.join(harness.SOURCE_DIR, name), game.workdir)
        game.start()
        check(sum(game.screenshot().panel(25, 15)) < 60, "the colour aid was not remembered")
        check(game.output("stderr") == "tumblewell: %s: line 4 (\"loud\") is no setting; the "
              "defaults hold for it\n" % settings, "stderr %r" % game.output("stderr"))
        game.keys("c")
        time.sleep(0.3)
        check(settings.read_text() == written.replace("= on", "= off") + "volume = 11\nloud\n",
              "the settings file was rewritten as %r" % settings.read_text())
        game.keys("h", "h", "F11", "Escape", "q")
        game.proc.wait(10)
        check("full-screen = off\n" in settings.read_text() and sorted(os.listdir(game.workdir))
              == sorted(pictures + ["stderr", "stdout"]), "%r, %s" % (settings.read_text(),
                                                                    os.listdir(game.workdir)))
    # -geometry: a place alone keeps the remembered size (twice the picture's, here);
    # a size given for one run is not remembered.
    settings.write_text(settings.read_text() + "scale = 2\n")
    with harness.Display(size=(1700, 1300)) as display, harness.Game(
            display, binary=binary, env={"HOME": home}) as game:
        for geometry, shape in ("+30+20", "1600x1200+30+20"), ("1000x700", "1000x700+100+100"):
            game.start(args=["-geometry", geometry])
            info = display.run("xwininfo", "-id", game.window()).stdout
            seen = "%sx%s+%s+%s" % tuple(info.split(k + ":")[1].split()[0] for k in (
                "Width", "Height", "Absolute upper-left X", "Absolute upper-left Y"))
            check(seen == shape, "-geometry %s opened %s" % (geometry, seen))
            game.keys("q")
            game.proc.wait(10)
        check("\nscale = 2\n" in settings.read_text(), "settings: %r" % settings.read_text())

    # The package: everything under /usr, Depends from the linked libraries,
    # and nothing lintian counts as an error or a warning.
    run("cpack", "--config", BUILD + "/CPackConfig.cmake", "-B", scratch, cwd=BUILD)
    deb = glob.glob(scratch + "/tumblewell_*.deb")[0]
    listing = run("dpkg-deb", "-c", deb).stdout
    icons = ["usr/share/icons/hicolor/%dx%d/apps/tumblewell.png" % (n, n)
             for n in (16, 24, 32, 48, 64, 128, 256)]
    for path in ["usr/games/tumblewell", "usr/share/tumblewell/data/cake.wav",
                 "usr/share/icons/hicolor/scalable/apps/tumblewell.svg"] + icons:
        check(" ./%s\n" % path in listing, "the package lacks " + path)
    info = run("dpkg-deb", "-I", deb).stdout
    check(re.search(r"Depends: .*libglut.*libsdl1\.2", info), "Depends are not computed: " + info)
    run("lintian", "--fail-on", "error,warning", deb)
    run("dpkg-deb", "-x", deb, scratch + "/deb")
    copyright = open(scratch + "/deb/usr/share/doc/tumblewell/copyright").read()
    check("\nFiles: *\nCopyright: 2026 The Tumblewell developers\nLicense: Expat\n" in copyright
          and "\nLicense: Expat\n Permission is hereby granted" in copyright, copyright)

# No address under the placeholder domain the project does not own, in the
# sources, what they install or the package's fields.
found = subprocess.run(["git", "grep", "-I", "-n", "-i", "tumblewell[.]org"],
                       cwd=harness.SOURCE_DIR, capture_output=True, text=True)
check(found.returncode == 1, "git grep: %s%s" % (found.stdout, found.stderr))

print("install: all checks passed")
