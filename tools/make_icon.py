#!/usr/bin/env python3
"""Draws the program icon (a yellow note with a folded corner and three lines) as res/tavlo.ico."""
import struct
import sys

SIZE = 32


def pixel(x, y):
    """Colour (B, G, R, A) of one pixel, y counted from the top."""
    if x < 3 or x > 28 or y < 2 or y > 29:
        return (0, 0, 0, 0)
    fold = x + (29 - y) > 50
    if fold:
        if x + (29 - y) == 51:
            return (60, 110, 130, 255)
        return (0, 0, 0, 0) if x + (29 - y) > 51 else (90, 170, 200, 255)
    if x in (3, 28) or y in (2, 29):
        return (40, 100, 130, 255)
    if y in (10, 15, 20) and 7 <= x <= 24 and not (y == 20 and x > 17):
        return (150, 90, 60, 255)
    if y < 6:
        return (80, 200, 240, 255)
    return (128, 255, 255, 255)


def build():
    rows = []
    for y in reversed(range(SIZE)):
        rows.append(b"".join(bytes(pixel(x, y)) for x in range(SIZE)))
    xor = b"".join(rows)
    mask_rows = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            if pixel(x, y)[3] == 0:
                bits |= 1 << (31 - x)
        mask_rows.append(struct.pack(">I", bits))
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "res/tavlo.ico", "wb") as f:
        f.write(build())
