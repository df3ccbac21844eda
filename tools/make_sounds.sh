#!/bin/sh
# Makes the game's eleven sound clips in data/ from nothing but sox's
# synthesiser and espeak-ng's voice. Re-run it after changing a clip; the
# output is the same on every run (sox -R fixes its noise and dither seeds).
# Needs: apt-get install -y --no-install-recommends sox espeak-ng
#
# Every clip ends at -3 dBFS peak with short fades at both ends (no clicks)
# and lasts well under 2.5 s. Most are 16-bit mono at the device rate of
# 22050 Hz; two are deliberately in other formats so that the game's
# converter has work to do on every run: "largeblocks" is 8-bit mono at
# 11025 Hz and "smallblocks" 16-bit stereo at 44100 Hz.
set -eu

for tool in sox espeak-ng; do
    command -v "$tool" >/dev/null || {
        echo "make_sounds: $tool is missing" >&2
        exit 1
    }
done

cd "$(dirname "$0")/.."
mkdir -p data
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

sx() { sox -R -V1 "$@"; }

# say NAME VOICE SPEED PITCH TEXT: one spoken exclamation, trimmed of the
# silence espeak-ng leaves around it, as 22050 Hz mono.
say() {
    espeak-ng -v "$2" -s "$3" -p "$4" -w "$tmp/raw.wav" "$5"
    sx "$tmp/raw.wav" -r 22050 -c 1 "$tmp/$1.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
}

# tone NAME SECONDS SYNTH-ARGS...: one synthesised note at 22050 Hz mono with
# a quick attack and a decaying tail.
tone() {
    name=$1 len=$2
    shift 2
    sx -n -r 22050 -c 1 "$tmp/$name.wav" synth "$len" "$@" fade q 0.004 "$len" "$len"
}

# finish NAME RATE BITS CHANNELS SOURCES...: joins the sources end to end,
# brings them to the stored rate and channel count, fades both ends and sets
# the level, then writes data/NAME.wav. The level comes last so that no later
# step moves the peak (only the dither of the final word size, far below 0.1 dB).
finish() {
    name=$1 rate=$2 bits=$3 chans=$4
    shift 4
    sx "$@" -b "$bits" "data/$name.wav" channels "$chans" rate "$rate" \
        fade t 0.005 -0 0.02 norm -3
}

# Five to eight blocks: a quick wooden tick-tock, the first knock on the left,
# the second on the right.
tone knock1 0.09 pluck 659
tone knock2 0.14 pluck 988
sx "$tmp/knock1.wav" -c 2 "$tmp/left.wav" remix 1v1.0 1v0.45 pad 0 0.14
sx "$tmp/knock2.wav" -c 2 "$tmp/right.wav" remix 1v0.45 1v1.0 pad 0.09 0
sx -m "$tmp/left.wav" "$tmp/right.wav" "$tmp/smallblocks.wav" highpass 200 lowpass 3500
finish smallblocks 44100 16 2 "$tmp/smallblocks.wav"

# More than eight blocks: a heavy thud and the rumble of a pile tumbling down.
tone thud 0.35 sine 110-45
sx -n -r 22050 -c 1 "$tmp/rumble.wav" synth 0.8 brownnoise \
    lowpass 900 tremolo 14 60 fade q 0.01 0.8 0.7
sx -m -v 1.0 "$tmp/thud.wav" -v 0.8 "$tmp/rumble.wav" "$tmp/largeblocks.wav"
finish largeblocks 11025 8 1 "$tmp/largeblocks.wav"

# A rising arpeggio that opens the level-complete cheers.
tone c5 0.08 pluck 523
tone e5 0.08 pluck 659
tone g5 0.08 pluck 784
tone c6 0.25 pluck 1047
sx "$tmp/c5.wav" "$tmp/e5.wav" "$tmp/g5.wav" "$tmp/c6.wav" "$tmp/fanfare.wav"

say woohoo en-us+m3 170 85 "Woo hoo!"
say ohyeah en-us+m7 140 55 "Oh yeah!"
say donut en-us+m3 140 60 "Mmm, donut!"
say cake en-us+f3 160 70 "Piece of cake!"
finish woohoo 22050 16 1 "$tmp/fanfare.wav" "$tmp/woohoo.wav"
finish ohyeah 22050 16 1 "$tmp/fanfare.wav" "$tmp/ohyeah.wav"
finish donut 22050 16 1 "$tmp/fanfare.wav" "$tmp/donut.wav"
finish cake 22050 16 1 "$tmp/fanfare.wav" "$tmp/cake.wav"

# Game over early: a stern refusal and a falling two-note "wah wah".
say nosoup en-us+m1 150 30 "No soup for you!"
tone wah1 0.25 triangle 220 lowpass 900
tone wah2 0.45 triangle 208-185 lowpass 900
finish nosoup 22050 16 1 "$tmp/nosoup.wav" "$tmp/wah1.wav" "$tmp/wah2.wav"

# Game over late, or a new high score: a slow, pleased "Excellent" with a
# bright chime after it.
say excellent en-us+m2 110 35 "Excellent!"
tone chime1 0.5 sine 1568
tone chime2 0.5 sine 2349
sx -m "$tmp/chime1.wav" "$tmp/chime2.wav" "$tmp/chime.wav"
finish excellent 22050 16 1 "$tmp/excellent.wav" "$tmp/chime.wav"

# The three farewells of the exit sequence.
say end1 en-us+f2 150 60 "Goodbye!"
say end2 en-us+m3 150 50 "See you soon!"
say end3 en-us+f4 160 65 "Thanks for playing!"
for n in 1 2 3; do finish end$n 22050 16 1 "$tmp/end$n.wav"; done
