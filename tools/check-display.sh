#!/usr/bin/env bash
# Fails with one clear line when there is no X display to open a window on.
if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
    echo "tumblewell: no usable display (DISPLAY='${DISPLAY:-}'); run it from a desktop session." >&2
    exit 1
fi
