#!/usr/bin/env python3
"""The page's costs, in Debian's headless Chromium on this machine (not a test).

    /usr/bin/python3 tools/bench/web_bench.py BUILD_WEB

Prints a Markdown table: the bytes the page transfers, each file gzip-compressed
as a web server sends it (goal: 1.5 MB in all); the time from navigation to the
first picture (median of 5 loads; goal: under 1.5 s); and the page's frame time,
the script's time in an animation frame that draws both areas (median of the
frames of a storm of c keys, each of which has the frame draw both).
"""

import gzip
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
import test_web as page  # noqa: E402  (its browser and server)

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build-web")
PAGE = ["index.html", "index.js", "index.wasm", "red.ppm", "green.ppm", "blue.ppm",
        "lightblue.ppm"] + ["data/" + name for name in sorted(os.listdir(os.path.join(BUILD, "data")))]

# Run in the page before its own scripts: the moment its canvas first shows the
# panel's grey, and how long each animation frame's script takes.
WATCH = """
window.twFrames = [];
let drew = false;  // the frame drew something: idle frames are not counted
for (const kind of [WebGLRenderingContext, WebGL2RenderingContext]) {
    const draw = kind.prototype.drawArrays;
    kind.prototype.drawArrays = function (...args) { drew = true; return draw.apply(this, args); };
}
const ask = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = callback => ask(when => {
    const start = performance.now();
    drew = false;
    callback(when);
    if (drew) window.twFrames.push(performance.now() - start);
});
const probe = document.createElement('canvas');
probe.width = probe.height = 1;
function look() {
    const canvas = document.getElementById('canvas');
    if (canvas && canvas.width > 0) {
        const context = probe.getContext('2d');
        context.drawImage(canvas, 5, 5, 1, 1, 0, 0, 1, 1);
        if (context.getImageData(0, 0, 1, 1).data[0] === 128) {
            window.twFirstPicture = performance.now();
            return;
        }
    }
    ask(look);
}
ask(look);
"""


def browser():  # the test's headless Chromium at 800 by 600, timed, never cached
    driver = page.browser()
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    return driver


def first_picture(driver, address):  # ms from navigation to the first picture
    driver.get(address)
    deadline = time.time() + 30
    while (shown := driver.execute_script("return window.twFirstPicture")) is None:
        assert time.time() < deadline, "no picture"
        time.sleep(0.02)
    return shown


def frame_ms(driver):  # median script time of a frame that draws both areas
    driver.execute_script("window.twFrames = []")
    for _ in range(60):
        for kind in "keyDown", "keyUp":
            driver.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": kind, "key": "c"})
        time.sleep(0.03)
    return statistics.median(driver.execute_script("return window.twFrames"))


def main():
    sizes = {}
    for name in PAGE:
        with open(os.path.join(BUILD, name), "rb") as data:
            sizes[name] = len(gzip.compress(data.read(), 6))
    address = page.serve(BUILD)
    driver = browser()
    try:
        shown = statistics.median(first_picture(driver, address) for _ in range(5))
        time.sleep(1.5)  # the first block, and the frames settle
        frames = frame_ms(driver)
    finally:
        driver.quit()
    code = sizes["index.html"] + sizes["index.js"] + sizes["index.wasm"]
    print("| measure | page | goal |")
    print("|---|---|---|")
    print("| bytes transferred, gzip: in all | %.0f KiB | 1.5 MB |" % (sum(sizes.values()) / 1024))
    print("| of which the page and its code (html, js, wasm) | %.0f KiB |  |" % (code / 1024))
    print("| of which the pictures and clips | %.0f KiB |  |" % ((sum(sizes.values()) - code) / 1024))
    print("| navigation to the first picture (median of 5) | %.0f ms | 1.5 s |" % shown)
    print("| a frame of both areas, the script's time (median) | %.2f ms |  |" % frames)


main()
