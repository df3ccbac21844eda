#!/usr/bin/env python3
# Checks the clips make_sounds.sh wrote to data/: each is short (2.5 s at most),
# peaks between -6 and -1 dBFS, and starts and ends within 1 % of full scale of
# silence, so that it never clicks. Run by `make test`; exits 1 naming the faults.

import math
import os
import sys
import wave

CLIPS = ["smallblocks", "largeblocks", "woohoo", "ohyeah", "donut", "cake", "nosoup",
         "excellent", "end1", "end2", "end3"]
faults = []
for name in CLIPS:
    with wave.open(os.path.join(os.path.dirname(__file__), "..", "data", name + ".wav")) as w:
        width, frames, raw = w.getsampwidth(), w.getnframes(), w.readframes(w.getnframes())
        seconds = frames / w.getframerate()
    # Samples as fractions of full scale: 8-bit is unsigned around 128, 16-bit signed.
    samples = ([(b - 128) / 128 for b in raw] if width == 1 else
               [int.from_bytes(raw[i:i + 2], "little", signed=True) / 32768
                for i in range(0, len(raw), 2)])
    peak = 20 * math.log10(max(map(abs, samples)) or 1e-9)
    ends = max(abs(s) for s in samples[:2] + samples[-2:])
    if seconds > 2.5 or not -6 <= peak <= -1 or ends > 0.01:
        faults.append("%s: %.2f s, peak %.1f dBFS, ends at %.3f" % (name, seconds, peak, ends))
print("\n".join(faults) or "clips: all %d short, levelled and faded" % len(CLIPS))
sys.exit(1 if faults else 0)
