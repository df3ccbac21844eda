#!/usr/bin/env python3
"""Draws the four block textures of the row preview: a bevelled tile in each
block colour, written as raw PPM (P6) files into the repository root.

    python3 tools/make_textures.py [output-directory]
"""

import os
import sys

SIZE = 64    # a multiple of 4, and a power of two for clean mipmaps
BEVEL = 7    # width of the raised edge in pixels

# Base colours follow the blocks' drawing colours, a little softened so that the
# bevel's highlights and shadows stay visible.
TILES = {
    "red.ppm": (220, 30, 30),
    "green.ppm": (20, 190, 80),
    "blue.ppm": (30, 50, 225),
    "lightblue.ppm": (40, 200, 245),
}


def shade(colour, factor):
    if factor >= 1.0:
        return tuple(min(255, round(c + (255 - c) * (factor - 1.0))) for c in colour)
    return tuple(round(c * factor) for c in colour)


def tile_pixel(base, x, y):
    # Distance from each edge decides which face of the bevel a pixel is on:
    # top and left catch the light, bottom and right are in shadow.
    left, top, right, bottom = x, y, SIZE - 1 - x, SIZE - 1 - y
    nearest = min(left, top, right, bottom)
    if nearest < BEVEL:
        if nearest in (top, left) and not (nearest == bottom or nearest == right):
            return shade(base, 1.45 if nearest == top else 1.3)
        return shade(base, 0.55 if nearest == bottom else 0.7)
    # The face: a gentle diagonal gradient with a small glint near the top left.
    t = (x + y - 2 * BEVEL) / (2 * (SIZE - 2 * BEVEL))
    colour = shade(base, 1.12 - 0.24 * t)
    gx, gy = x - SIZE * 0.33, y - SIZE * 0.33
    if gx * gx + gy * gy < 30:
        colour = shade(colour, 1.35)
    return colour


def write_tile(path, base):
    raster = bytearray()
    for y in range(SIZE):  # top row first, as the format stores it
        for x in range(SIZE):
            raster.extend(tile_pixel(base, x, y))
    with open(path, "wb") as out:
        out.write(b"P6\n# Tumblewell block tile\n%d %d\n255\n" % (SIZE, SIZE))
        out.write(bytes(raster))


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(
        os.path.dirname(os.path.abspath(__file__)))
    for name, base in TILES.items():
        write_tile(os.path.join(target, name), base)


if __name__ == "__main__":
    main()
