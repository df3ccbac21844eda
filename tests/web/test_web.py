#!/usr/bin/env python3
# The game in a web page, in Debian's headless Chromium, served from this machine:
# python3 tests/web/test_web.py BUILD_WEB. It checks no console errors; the first
# picture against the desktop's reference of the start (at least 99 % of its pixels
# within 16 levels of each colour: the panel's text and buttons come out the same,
# the tunnel's lines and the preview's filtering a little apart); a click on the flat
# grid, and the keyboard's cursor with Space, removing the group they should; the
# level's clip heard, sound started by the first key and not before; the game
# paused when its tab is hidden; two tabs that finish games at once keeping both
# scores, still in the table after a reload; no request leaving this machine; and the
# page's own words without WebGL or with a block picture missing.

import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-web")
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WHITE, GROUND = (255, 255, 255), (128, 128, 128)


def check(condition, message):
    if not condition:
        print("FAIL: " + message, file=sys.stderr)
        sys.exit(1)


def serve(folder):  # a server on this machine for `folder`: its address
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(
        Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return "http://127.0.0.1:%d/" % server.server_address[1]


def browser(*flags):
    options = Options()
    for flag in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--use-gl=swiftshader", "--enable-unsafe-swiftshader",
                 "--force-device-scale-factor=1", *flags]:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    sized(driver)
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": LISTEN})
    return driver


# Run in the page before its own scripts: the loudest sample the game's audio
# callback hands the browser, and the rate of its audio context.
LISTEN = """
window.twLoudest = 0;
const make = AudioContext.prototype.createScriptProcessor;
AudioContext.prototype.createScriptProcessor = function (...args) {
    window.twAudioRate = this.sampleRate;
    const node = make.apply(this, args);
    let callback = null;
    Object.defineProperty(node, 'onaudioprocess', {set(f) { callback = f; }, get() { return callback; }});
    node.addEventListener('audioprocess', event => {
        callback(event);
        for (const sample of event.outputBuffer.getChannelData(0))
            window.twLoudest = Math.max(window.twLoudest, Math.abs(sample));
    });
    return node;
};
"""


def sized(driver, speed=None):  # the current tab: 800 by 600, its clock `speed` times faster
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 800, "height": 600, "deviceScaleFactor": 1, "mobile": False})
    if speed:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
            const real = performance.now.bind(performance), start = real();
            performance.now = () => start + (real() - start) * %d;""" % speed})


class Picture(bytes):  # a screenshot of the 800 by 600 page, as RGB bytes
    def panel(self, px, py):  # the panel point (px, py), y up, as the desktop's harness has it
        at = ((599 - py) * 800 + px) * 3
        return tuple(self[at:at + 3])

    def view(self, x, y):  # from the view's top-left corner
        at = (y * 800 + 170 + x) * 3
        return tuple(self[at:at + 3])


def picture(driver):
    return Picture(subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"],
                                  input=driver.get_screenshot_as_png(), capture_output=True,
                                  check=True).stdout)


def expect(driver, test, message, seconds=10):
    deadline = time.time() + seconds
    while not test(shot := picture(driver)):
        check(time.time() < deadline, message)
        time.sleep(0.05)
    return shot


def keys(driver, *names):  # keys as the page's document gets them
    for name in names:
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "keyDown", "key": name})
        driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": "keyUp", "key": name})
        time.sleep(0.05)


def click(driver, px, py):  # the left button at panel point (px, py)
    for kind in "mousePressed", "mouseReleased":
        driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
            "type": kind, "x": px, "y": 600 - py, "button": "left", "clickCount": 1})


def reference(name):
    return subprocess.run(["convert", os.path.join(SOURCE, "tests", "e2e", "reference", name),
                           "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


def first_game(driver, address):
    # The start as the desktop's: the walls, and the first block in the preview.
    driver.get(address)
    shot = expect(driver, lambda shot: shot.panel(331, 40) != GROUND, "no block previewed")
    want = reference("start.png")
    close = sum(max(abs(shot[i + k] - want[i + k]) for k in range(3)) <= 16
                for i in range(0, len(want), 3))
    check(close >= 0.99 * 800 * 600, "the first picture is the desktop's in %d pixels" % close)
    # A click on Bottom's pair of red blocks at its far left takes them away, as a
    # click does on the desktop (reference/clicked.png, the flat grid); in a new
    # game the cursor (shown on that corner cell) and Space do the same.
    check(driver.execute_script("return window.twAudioRate") is None, "sound before a key")
    keys(driver, "d")
    click(driver, 25, 15)
    expect(driver, lambda shot: same_grid(shot), "the click took away another group")
    # n skips the level: its clip is heard, at the game's own rate.
    keys(driver, "n")
    deadline = time.time() + 5
    while driver.execute_script("return window.twLoudest") < 0.05:
        check(time.time() < deadline, "no sound from the level's end")
        time.sleep(0.1)
    check(driver.execute_script("return window.twAudioRate") == 22050, "audio not at 22050 Hz")
    driver.get(address)
    expect(driver, lambda shot: shot.panel(331, 40) != GROUND, "no block previewed")
    keys(driver, "d", "ArrowDown", " ")
    expect(driver, lambda shot: same_grid(shot, cursor=True), "Space took away another group")


def same_grid(shot, cursor=False):
    # The flat grid as reference/clicked.png has it (but for the cursor's cell).
    want = reference("clicked.png")
    return all(shot.panel(10 + x, 209 - y) == tuple(want[(y * 150 + x) * 3:][:3])
               for x in range(150) for y in range(210) if not (cursor and x < 30 and y >= 180))


def hidden_tab(driver):
    # Another tab in front hides the game's: it pauses, and says so.
    game = driver.current_window_handle
    driver.switch_to.new_window("tab")
    time.sleep(0.5)
    driver.close()
    driver.switch_to.window(game)
    expect(driver, lambda shot: any(shot.view(x, 230) == WHITE for x in range(150, 450)),
           "the hidden tab's game did not pause")


def finish(driver, address, name):
    # A game played to a place in the table, on a clock twenty times faster: levels
    # skipped until the walls overflow, then the name typed.
    driver.get(address)
    time.sleep(1)
    for _ in range(8):
        keys(driver, "n")
        time.sleep(0.5)
    expect(driver, lambda shot: any(shot.view(x, y) == (0, 255, 255) for x in range(0, 630, 2)
                                    for y in range(40, 56)), "no name prompt", 30)
    keys(driver, *name)


def scores(driver):  # the table the page's files hold: (name, score) a place
    blob = bytes(driver.execute_script("return Array.from(FS.readFile('/save/scores.dat'))"))
    return [(blob[i:i + 20].decode().strip(), int.from_bytes(blob[i + 20:i + 24], "little", signed=True))
            for i in range(0, len(blob), 24)]


def two_tabs(driver, address):
    # Both tabs reach their name prompt before either saves, so that neither's own
    # copy of the table holds the other's score: only the store's keeps both.
    first = driver.current_window_handle
    sized(driver, 20)
    finish(driver, address, "Ann")
    driver.switch_to.new_window("tab")
    sized(driver, 20)
    finish(driver, address, "Bob")
    keys(driver, "Enter")
    driver.switch_to.window(first)
    keys(driver, "Enter")
    time.sleep(1)
    driver.refresh()
    time.sleep(1)
    names = [entry[0] for entry in scores(driver)]
    check("Ann" in names and "Bob" in names, "after a reload the table holds %s" % names)


def requests_and_errors(driver, address):
    sent = [json.loads(entry["message"])["message"] for entry in driver.get_log("performance")]
    urls = {event["params"]["request"]["url"] for event in sent
            if event["method"] == "Network.requestWillBeSent"}
    away = [url for url in urls if not url.startswith((address, "data:", "blob:"))]
    check(not away, "requests left this machine: %s" % away)
    errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    check(not errors, "console errors: %s" % errors)


def page_text(address, *flags):
    driver = browser(*flags)
    try:
        driver.get(address)
        time.sleep(2)
        return driver.find_element("tag name", "body").text
    finally:
        driver.quit()



if __name__ == "__main__":
    address = serve(BUILD)
    driver = browser()
    try:
        first_game(driver, address)
        hidden_tab(driver)
        requests_and_errors(driver, address)
        two_tabs(driver, address)
    finally:
        driver.quit()
    check("WebGL" in page_text(address, "--disable-webgl"), "no word of WebGL without it")
    with tempfile.TemporaryDirectory() as broken:
        shutil.copytree(BUILD, broken, dirs_exist_ok=True, ignore=shutil.ignore_patterns("red.ppm"))
        said = page_text(serve(broken))
        check("Couldn't find red texture file" in said, "without red.ppm the page says %r" % said)
    print("web: all checks passed")
