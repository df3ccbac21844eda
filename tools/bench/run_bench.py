#!/usr/bin/env python3
"""Performance of the real game under Xvfb with Mesa's software renderer, side by
side with sgt-samegame (Debian's sgt-puzzles) started the same way.

    python3 tools/bench/run_bench.py BUILD_DIR

Prints a Markdown table: time from exec to the mapped window (median of 5),
processor share of one core over 10 s while playing, paused, after game over and
while the name prompt waits, the median time of one control-panel frame and one
full tunnel frame against the floor of an empty frame, and peak resident memory.
The ratios within one run are what count: the machine's load cancels out.
"""

import json
import os
import statistics
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
import harness  # noqa: E402

BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
GAME = os.path.join(BUILD, "tumblewell")
MAPWAIT = os.path.join(BUILD, "bench", "mapwait")
FRAMES = os.path.join(BUILD, "bench", "bench_frames")
PEER = "/usr/games/sgt-samegame"
PEER_TITLE = "Same Game"
CLK_TCK = os.sysconf("SC_CLK_TCK")
WINDOW_RUNS = 5
SAMPLE_SECONDS = 10


def cpu_ticks(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def peak_rss_mib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def cpu_share(pid, seconds=SAMPLE_SECONDS):
    before, start = cpu_ticks(pid), time.monotonic()
    time.sleep(seconds)
    after, end = cpu_ticks(pid), time.monotonic()
    return 100.0 * (after - before) / CLK_TCK / (end - start)


def window_ms(display, title, argv, cwd):
    times = []
    for _ in range(WINDOW_RUNS):
        result = subprocess.run([MAPWAIT, title] + argv, cwd=cwd, env=display_env(display),
                                capture_output=True, text=True, timeout=60)
        times.append(float(result.stdout.strip()))
        time.sleep(0.3)
    return statistics.median(times)


def display_env(display):
    env = display.env()
    env["LIBGL_ALWAYS_SOFTWARE"] = "1"
    env.setdefault("SDL_AUDIODRIVER", "dummy")
    return env


def frame_times(display):
    out = subprocess.run([FRAMES, "--benchmark_format=json", "--benchmark_repetitions=5",
                          "--benchmark_report_aggregates_only=true"],
                         cwd=ROOT, env=display_env(display), capture_output=True, text=True,
                         timeout=300, check=True).stdout
    medians = {b["run_name"][3:]: b["real_time"] / 1000.0 for b in json.loads(out)["benchmarks"]
               if b.get("aggregate_name") == "median"}
    return medians  # in ms, by name without "BM_"


def measure_game(display):
    figures = {}
    with harness.Game(display) as game:
        figures["window"] = window_ms(display, "Tumblewell", [GAME], game.workdir)
        game.start()
        game.wait_window()
        time.sleep(1)
        figures["playing"] = cpu_share(game.proc.pid)
        game.click_panel(76, 481)  # Pause
        time.sleep(1)  # the click's own redraws are not the pause's
        figures["paused"] = cpu_share(game.proc.pid)
        game.click_panel(76, 481)  # resume, then let the untouched game overflow quickly
        for _ in range(10):
            game.click_panel(40, 451)  # Speed +
        time.sleep(50)
        figures["over"] = cpu_share(game.proc.pid)
        figures["rss"] = peak_rss_mib(game.proc.pid)
    with harness.Game(display) as game:
        # Eight skipped levels earn a place in the table; level 9's walls then
        # overflow within seconds and the name prompt waits.
        game.start()
        game.skip_levels(8)
        game.expect(lambda shot: harness.lit_rows(shot, harness.CYAN, range(40, 56)),
                    "no name prompt", 120)
        time.sleep(3)  # the game-over clip has played out
        figures["name"] = cpu_share(game.proc.pid)
    with harness.Display(size=(1700, 1300)) as large:  # room for a doubled window
        frames = frame_times(large)
    figures["panel"], figures["tunnel"], figures["floor"] = (
        frames["PanelFrame"], frames["TunnelFrame"], frames["ClearAndSwap"])
    figures["panel2"], figures["tunnel2"] = frames["PanelFrameDoubled"], frames["TunnelFrameDoubled"]
    return figures


def measure_peer(display):
    figures = {"window": window_ms(display, PEER_TITLE, [PEER], "/tmp")}
    proc = subprocess.Popen([PEER], env=display_env(display), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    time.sleep(2)
    figures["idle"] = cpu_share(proc.pid)
    figures["rss"] = peak_rss_mib(proc.pid)
    proc.terminate()
    proc.wait()
    return figures


def main():
    with harness.Display() as display:
        game = measure_game(display)
        peer = measure_peer(display) if os.path.exists(PEER) else None
    rows = [
        ("exec to mapped window (median of %d)" % WINDOW_RUNS, "%.0f ms" % game["window"],
         "1 x peer", peer and "%.0f ms" % peer["window"],
         peer and "%.2f" % (game["window"] / peer["window"])),
        ("processor, playing (10 s)", "%.2f %%" % game["playing"], "1 %", None, None),
        ("processor, paused (10 s)", "%.2f %%" % game["paused"], "0.1 %",
         peer and "%.2f %% (idle)" % peer["idle"], None),
        ("processor, after game over (10 s)", "%.2f %%" % game["over"], "0.1 %", None, None),
        ("processor, name prompt waiting (10 s)", "%.2f %%" % game["name"], "0.1 %", None, None),
        ("empty 800x600 frame: clear and present (median)", "%.2f ms" % game["floor"], "", None,
         None),
        ("control-panel frame (median), ratio to the empty frame", "%.2f ms" % game["panel"],
         "2 x", None, "%.2f" % (game["panel"] / game["floor"])),
        ("full tunnel frame, 140 cubes (median), ratio to the empty frame",
         "%.2f ms" % game["tunnel"], "4 x", None, "%.2f" % (game["tunnel"] / game["floor"])),
        ("control-panel frame at 1600x1200, ratio to one at 800x600", "%.2f ms" % game["panel2"],
         "4.5 x", None, "%.2f" % (game["panel2"] / game["panel"])),
        ("full tunnel frame at 1600x1200, ratio to one at 800x600", "%.2f ms" % game["tunnel2"],
         "4.5 x", None, "%.2f" % (game["tunnel2"] / game["tunnel"])),
        ("peak resident memory", "%.1f MiB" % game["rss"], "", peer and "%.1f MiB" % peer["rss"],
         peer and "%.2f" % (game["rss"] / peer["rss"])),
    ]
    print("| measure | Tumblewell | target | sgt-samegame | ratio |")
    print("|---|---|---|---|---|")
    for row in rows:
        print("| " + " | ".join(cell or "" for cell in row) + " |")


if __name__ == "__main__":
    main()
