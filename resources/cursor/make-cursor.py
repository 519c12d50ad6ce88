#!/usr/bin/env python3
"""Draws the board's mouse pointer and writes it as a Windows cursor file.

The pointer is a slim arrow: a warm dark-brown body with a white rim and a
soft shadow, 32 x 32 pixels, 32-bit colour with alpha, hot spot at the tip.
Every pixel is computed here by sampling the arrow's outline 4 x 4 times per
pixel, so the file can be rebuilt at any time:

    python3 resources/cursor/make-cursor.py resources/beside/base.cur
"""

import math
import struct
import sys

SIZE = 32
SAMPLES = 4
HOT_SPOT = (1, 1)
RIM = 1.15  # width of the white rim, in pixels

# The arrow's outline in pixel coordinates, tip first, clockwise.
ARROW = [
    (1.0, 1.0),
    (1.0, 21.5),
    (5.4, 17.4),
    (8.6, 25.2),
    (13.0, 23.4),
    (9.8, 15.9),
    (15.8, 15.9),
]


def inside(x, y, poly):
    """Even-odd test of the point (x, y) against the polygon."""
    result = False
    j = len(poly) - 1
    for i, (xi, yi) in enumerate(poly):
        xj, yj = poly[j]
        if (yi > y) != (yj > y):
            cross = xi + (y - yi) * (xj - xi) / (yj - yi)
            if x < cross:
                result = not result
        j = i
    return result


def edge_distance(x, y, poly):
    """Distance from (x, y) to the nearest edge of the polygon."""
    best = math.inf
    j = len(poly) - 1
    for i, (xi, yi) in enumerate(poly):
        xj, yj = poly[j]
        dx, dy = xi - xj, yi - yj
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - xj) * dx + (y - yj) * dy) / length2))
        px, py = xj + t * dx, yj + t * dy
        best = min(best, math.hypot(x - px, y - py))
        j = i
    return best


def coverage(px, py, test):
    """Share of the pixel (px, py) whose samples pass `test`."""
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = px + (sx + 0.5) / SAMPLES
            y = py + (sy + 0.5) / SAMPLES
            if test(x, y):
                hits += 1
    return hits / (SAMPLES * SAMPLES)


def render():
    """Returns rows of (r, g, b, a) tuples, top row first, straight alpha."""
    shadow_poly = [(x + 1.2, y + 1.6) for x, y in ARROW]
    shadow = [[coverage(x, y, lambda sx, sy: inside(sx, sy, shadow_poly)) for x in range(SIZE)]
              for y in range(SIZE)]
    # Soften the shadow with a small box blur.
    soft = [[0.0] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            total, n = 0.0, 0
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    if 0 <= x + dx < SIZE and 0 <= y + dy < SIZE:
                        total += shadow[y + dy][x + dx]
                        n += 1
            soft[y][x] = total / n

    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            shape = coverage(x, y, lambda sx, sy: inside(sx, sy, ARROW))
            body = coverage(
                x, y, lambda sx, sy: inside(sx, sy, ARROW) and edge_distance(sx, sy, ARROW) > RIM)
            # Body colour: dark brown, a touch lighter towards the tail.
            t = y / SIZE
            body_rgb = (int(34 + 40 * t), int(22 + 22 * t), int(16 + 12 * t))
            rim_rgb = (255, 255, 255)
            rim = shape - body
            # Composite body and rim over the shadow (straight alpha).
            a_shape = shape
            if a_shape > 0:
                rgb = tuple((body_rgb[k] * body + rim_rgb[k] * rim) / a_shape for k in range(3))
            else:
                rgb = (0.0, 0.0, 0.0)
            a_shadow = soft[y][x] * 0.38 * (1 - a_shape)
            alpha = a_shape + a_shadow
            if alpha > 0:
                rgb = tuple(rgb[k] * a_shape / alpha for k in range(3))
            row.append((round(rgb[0]), round(rgb[1]), round(rgb[2]), round(alpha * 255)))
        rows.append(row)
    return rows


def cursor_bytes(rows):
    """Packs the pixels as a one-image .cur file (32-bit BGRA plus AND mask)."""
    xor = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom row first
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask = bytearray()
    stride = ((SIZE + 31) // 32) * 4
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0,
                         0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_SPOT[0], HOT_SPOT[1], len(image),
                        6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-cursor.py OUTPUT.cur")
    with open(sys.argv[1], "wb") as out:
        out.write(cursor_bytes(render()))


if __name__ == "__main__":
    main()
