#!/usr/bin/env python3
"""Draws the game's icon: the tunnel seen from its mouth as the game shows it,
blocks in the four block colours stacked toward the far end of every wall, each
a translucent face with a solid edge. Writes tumblewell-48.png,
tumblewell-128.png and tumblewell.svg (the same shapes) into the output folder.

    python3 tools/make_icons.py output-directory
"""

import os
import struct
import sys
import zlib

# Block colours as the game draws them, and the grey of the tunnel's edges.
COLOURS = [(1.0, 0.0, 0.0), (0.0, 0.8, 0.3), (0.0, 0.0, 1.0), (0.0, 0.8, 1.0)]
EDGE = (0.6, 0.6, 0.6)
ROWS = 5      # rows of blocks on each wall, from the far end
SAMPLES = 4   # samples per pixel along each axis


def project(x, y, z):
    """Tunnel point to icon coordinates 0..1, seen from 1.5 before the mouth."""
    s = 1.5 / (1.5 - z)
    return ((x * s + 1) / 2, (1 - y * s) / 2)


def wall_point(side, across, depth):
    """A point on wall `side` (0 Left, 1 Top, 2 Right, 3 Bottom) at `across` along it."""
    return [(-0.75, across, depth), (across, 0.75, depth),
            (0.75, -across, depth), (-across, -0.75, depth)][side]


def shapes():
    """(polygon, fill, outline) from the far end forward, so nearer blocks cover farther."""
    items = []
    for corner in [(-1, -1), (-1, 1), (1, 1), (1, -1)]:
        far, near = project(*corner, -2.1), project(*corner, 0.2)
        items.append(([far, near], None, EDGE))
    for row in range(ROWS):
        z = row * 0.3 - 2.0
        for side in range(4):
            for col in range(5):
                colour = COLOURS[(row * 3 + col * 2 + side * 5 + row * col) % 4]
                a = -0.75 + 0.3 * col
                face = [project(*wall_point(side, a + da, z + dz))
                        for da, dz in [(0, 0), (0.3, 0), (0.3, 0.3), (0, 0.3)]]
                # Translucent at half strength over the black tunnel.
                items.append((face, tuple(c * 0.5 for c in colour), colour))
    return items


def inside(poly, x, y):
    """Even-odd rule."""
    hit, j = False, len(poly) - 1
    for i in range(len(poly)):
        (xi, yi), (xj, yj) = poly[i], poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def thick_line(a, b, width):
    (ax, ay), (bx, by) = a, b
    length = ((bx - ax) ** 2 + (by - ay) ** 2) ** 0.5
    nx, ny = (ay - by) / length * width / 2, (bx - ax) / length * width / 2
    return [(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ax - nx, ay - ny)]


def fill(canvas, n, poly, colour):
    xs, ys = [p[0] * n for p in poly], [p[1] * n for p in poly]
    scaled = [(x, y) for x, y in zip(xs, ys)]
    for y in range(max(0, int(min(ys))), min(n, int(max(ys)) + 1)):
        for x in range(max(0, int(min(xs))), min(n, int(max(xs)) + 1)):
            if inside(scaled, x + 0.5, y + 0.5):
                canvas[y * n + x] = colour


def outline(poly, width):
    return [thick_line(poly[i], poly[(i + 1) % len(poly)], width)
            for i in range(len(poly) if len(poly) > 2 else 1)]


def png(size):
    n = size * SAMPLES
    canvas = [(0.0, 0.0, 0.0)] * (n * n)
    line = 1.0 / size  # a pixel wide at any size
    for poly, inner, edge in shapes():
        if inner:
            fill(canvas, n, poly, inner)
        for part in outline(poly, line):
            fill(canvas, n, part, edge)
    raw = bytearray()
    for y in range(size):
        raw.append(0)  # no filter
        for x in range(size):
            block = [canvas[(y * SAMPLES + j) * n + x * SAMPLES + i]
                     for j in range(SAMPLES) for i in range(SAMPLES)]
            raw.extend(round(255 * sum(c[k] for c in block) / len(block)) for k in range(3))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def svg():
    def rgb(c):
        return "#%02x%02x%02x" % tuple(round(255 * v) for v in c)

    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" '
             'viewBox="0 0 128 128">', '<rect width="128" height="128" fill="#000000"/>']
    for poly, inner, edge in shapes():
        points = " ".join("%.2f,%.2f" % (x * 128, y * 128) for x, y in poly)
        tag = "polygon" if inner else "polyline"
        parts.append('<%s points="%s" fill="%s" stroke="%s" stroke-width="1"/>'
                     % (tag, points, rgb(inner) if inner else "none", rgb(edge)))
    return "\n".join(parts + ["</svg>", ""])


def main():
    target = sys.argv[1]
    os.makedirs(target, exist_ok=True)
    for size in (48, 128):
        with open(os.path.join(target, "tumblewell-%d.png" % size), "wb") as out:
            out.write(png(size))
    with open(os.path.join(target, "tumblewell.svg"), "w") as out:
        out.write(svg())


if __name__ == "__main__":
    main()
