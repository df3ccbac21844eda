#!/usr/bin/env python3
"""Draws the game's icon: an emblem of the tunnel seen from its mouth, a grey
mouth and far end joined by the four corner edges, and on each wall one large
block in one of the four block colours. No line is thinner than a sixteenth of
the icon, and the straight edges fall on whole pixels at every size, so that it
still reads at 16 pixels.

Writes into the output folder tumblewell-N.png for every size N below,
tumblewell.svg (the same shapes) and window_icon.cpp, the 16, 32, 48 and 128
pixel pictures as the game's window hands them to the desktop (_NET_WM_ICON).

    python3 tools/make_icons.py output-folder
"""

import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
WINDOW_SIZES = (16, 32, 48, 128)
# Block colours as the game draws them (left, top, right, bottom wall), the grey
# of the tunnel's edges, and the black of its inside.
WALLS = [(1.0, 0.0, 0.0), (0.0, 0.8, 0.3), (0.0, 0.0, 1.0), (0.0, 0.8, 1.0)]
EDGE, INSIDE = (0.6, 0.6, 0.6), (0.0, 0.0, 0.0)
# The design on a grid of 16 units: the mouth's rim is one unit wide, the far
# end a square 6 units wide with a rim of one unit.
RIM, FAR, FAR_RIM = 1, 3, 1
SUBROWS = 16  # samples per pixel down; across, each pixel's coverage is exact


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def shapes(n):
    """(polygon, colour) in pixels for an icon of n pixels, painted in order.
    The rims' widths are rounded to whole pixels so that their edges are sharp."""
    unit = n / 16
    rim, far, far_rim = (max(1, int(v * unit + 0.5)) for v in (RIM, FAR, FAR_RIM))
    c = n / 2
    items = [(rect(0, 0, n, n), INSIDE)]
    mouth = [(0, 0), (n, 0), (n, n), (0, n)]
    inner = [(c - far, c - far), (c + far, c - far), (c + far, c + far), (c - far, c + far)]
    for side, colour in enumerate(WALLS):  # left, top, right, bottom
        a, b = (side + 3) % 4, side
        items.append(([mouth[a], mouth[b], inner[b], inner[a]], colour))
    # The corner edges: lines one unit wide toward the centre, so each side of
    # such a diagonal line lies unit / sqrt(2) from its middle along either axis.
    half = unit / 2 ** 0.5
    for x, y in mouth:
        dx, dy = (1 if x == 0 else -1), (1 if y == 0 else -1)
        items.append(([(x + dx * half, y), (c, c - dy * half), (c - dx * half, c), (x, y + dy * half),
                       (x, y)], EDGE))
    for x0, x1 in [(0, rim), (n - rim, n)]:
        items += [(rect(x0, 0, x1, n), EDGE), (rect(0, x0, n, x1), EDGE)]
    items.append((rect(c - far, c - far, c + far, c + far), EDGE))
    items.append((rect(c - far + far_rim, c - far + far_rim, c + far - far_rim, c + far - far_rim),
                  INSIDE))
    return items


def coverage(poly, n):
    """The share of each pixel's area inside `poly`, as rows of n values."""
    edges = list(zip(poly, poly[1:] + poly[:1]))
    rows = []
    for py in range(n):
        row, steps = [0.0] * (n + 1), [0.0] * (n + 2)
        for k in range(SUBROWS):
            y = py + (k + 0.5) / SUBROWS
            xs = sorted(xa + (y - ya) * (xb - xa) / (yb - ya)
                        for (xa, ya), (xb, yb) in edges if (ya > y) != (yb > y))
            for x0, x1 in zip(xs[::2], xs[1::2]):
                x0, x1 = min(max(x0, 0.0), n), min(max(x1, 0.0), n)
                i0, i1 = int(x0), int(x1)
                if i0 == i1:
                    row[i0] += (x1 - x0) / SUBROWS
                    continue
                row[i0] += (i0 + 1 - x0) / SUBROWS
                row[i1] += (x1 - i1) / SUBROWS
                steps[i0 + 1] += 1 / SUBROWS  # whole pixels between the ends
                steps[i1] -= 1 / SUBROWS
        inside = 0.0
        for x in range(n):
            inside += steps[x]
            row[x] += inside
        rows.append(row)
    return rows


def picture(n):
    """The icon at n pixels: rows of (r, g, b) bytes."""
    canvas = [[INSIDE] * n for _ in range(n)]
    for poly, colour in shapes(n):
        for canvas_row, row in zip(canvas, coverage(poly, n)):
            for x in range(n):
                a = min(row[x], 1.0)
                if a > 0:
                    canvas_row[x] = tuple(p * (1 - a) + q * a for p, q in zip(canvas_row[x], colour))
    return [[tuple(round(255 * v) for v in pixel) for pixel in row] for row in canvas]


def png(pixels):
    n = len(pixels)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    def rgb(c):
        return "#%02x%02x%02x" % tuple(round(255 * v) for v in c)

    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
             'viewBox="0 0 16 16">']
    for poly, colour in shapes(16):
        points = " ".join("%g,%g" % point for point in poly)
        parts.append('<polygon points="%s" fill="%s"/>' % (points, rgb(colour)))
    return "\n".join(parts + ["</svg>", ""])


def window_icon(pictures):
    """_NET_WM_ICON's cardinals: each size's width and height, then its pixels
    row by row as opaque 0xAARRGGBB."""
    values = []
    for n in WINDOW_SIZES:
        values += [n, n] + [0xFF000000 | r << 16 | g << 8 | b
                            for row in pictures[n] for r, g, b in row]
    lines = [", ".join("0x%08x" % v for v in values[i:i + 8]) + ","
             for i in range(0, len(values), 8)]
    return ("// Made by tools/make_icons.py from the pictures it draws.\n"
            '#include "platform/desktop/window_identity.h"\n\n'
            "const std::uint32_t kWindowIcon[] = {\n" + "\n".join(lines) + "\n};\n"
            "const std::size_t kWindowIconLength = sizeof kWindowIcon / sizeof kWindowIcon[0];\n")


def main():
    target = sys.argv[1]
    os.makedirs(target, exist_ok=True)
    pictures = {n: picture(n) for n in SIZES}
    for n, pixels in pictures.items():
        with open(os.path.join(target, "tumblewell-%d.png" % n), "wb") as out:
            out.write(png(pixels))
    for name, text in [("tumblewell.svg", svg()), ("window_icon.cpp", window_icon(pictures))]:
        with open(os.path.join(target, name), "w") as out:
            out.write(text)


if __name__ == "__main__":
    main()
