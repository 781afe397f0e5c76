#!/usr/bin/env python3
"""Draws the program icon as res/tavlo.ico: a yellow note with a darker strip along its top, lines
of text and a folded bottom-right corner, at 16, 32 and 48 pixels (32-bit images) and 256 pixels
(PNG-compressed). The 16-pixel image is drawn pixel by pixel, since the tray shows it at that size
and a scaled-down drawing turns to mush there; the larger ones are drawn from one outline."""
import struct
import sys
import zlib

# Colours as (R, G, B).
OUTLINE = (122, 88, 20)
STRIP = (240, 196, 56)
PAPER = (255, 238, 120)
INK = (96, 80, 64)
FOLD = (214, 176, 64)

# The tray image. '#' outline, 's' strip, 'y' paper, 'l' ink, 'f' fold, '.' transparent.
SMALL = [
    "................",
    ".##############.",
    ".#ssssssssssss#.",
    ".#ssssssssssss#.",
    ".#yyyyyyyyyyyy#.",
    ".#ylllllllllyy#.",
    ".#yyyyyyyyyyyy#.",
    ".#ylllllllllyy#.",
    ".#yyyyyyyyyyyy#.",
    ".#yllllllyyyyy#.",
    ".#yyyyyyyyy####.",
    ".#yyyyyyyyy#ff#.",
    ".#yyyyyyyyy#f#..",
    ".#yyyyyyyyy##...",
    ".###########....",
    "................",
]
SMALL_COLOURS = {"#": OUTLINE, "s": STRIP, "y": PAPER, "l": INK, "f": FOLD}


def small_pixel(x, y):
    """Colour (R, G, B, A) of one pixel of the 16-pixel image, y counted from the top."""
    c = SMALL[y][x]
    return (0, 0, 0, 0) if c == "." else SMALL_COLOURS[c] + (255,)


def large_pixel(size):
    """A pixel function for the larger images, with every edge on whole pixels so that none blurs."""
    margin = round(size * 0.06)
    edge = max(1, round(size / 32))
    left, top, right, bottom = margin, margin, size - margin, size - margin  # right, bottom exclusive
    fold = round(size * 0.26)
    strip_end = top + round(size * 0.2)
    ink = max(2, round(size * 0.06))
    ink_left = left + round(size * 0.12)
    lines = [(round(size * 0.38), round(size * 0.78)), (round(size * 0.52), round(size * 0.78)),
             (round(size * 0.66), round(size * 0.56))]

    def pixel(x, y):
        if not (left <= x < right and top <= y < bottom):
            return (0, 0, 0, 0)
        # How far past the line where the corner folds; the part beyond the fold is cut away.
        corner = (x - (right - fold)) + (y - (bottom - fold))
        if corner >= fold:
            return (0, 0, 0, 0)
        if corner >= fold - edge * 3 // 2:
            return OUTLINE + (255,)
        if x >= right - fold and y >= bottom - fold:
            inner = x < right - fold + edge or y < bottom - fold + edge
            return (OUTLINE if inner else FOLD) + (255,)
        if x < left + edge or y < top + edge or x >= right - edge or y >= bottom - edge:
            return OUTLINE + (255,)
        if y < strip_end:
            return STRIP + (255,)
        for line_top, line_end in lines:
            if line_top <= y < line_top + ink and ink_left <= x < line_end:
                return INK + (255,)
        return PAPER + (255,)

    return pixel


def bmp_image(size, pixel):
    """An icon image in the classic form: header, BGRA rows bottom-up, then the AND mask."""
    rows = []
    for y in reversed(range(size)):
        row = b""
        for x in range(size):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
        rows.append(row)
    colour = b"".join(rows)
    stride = (size + 31) // 32 * 4
    mask = b""
    for y in reversed(range(size)):
        bits = bytearray(stride)
        for x in range(size):
            if pixel(x, y)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def png_image(size, pixel):
    """An icon image as a PNG file (RGBA, 8 bits a channel), as icons of 256 pixels are stored."""

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(size)) for y in range(size))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def build():
    images = [(16, bmp_image(16, small_pixel))]
    images += [(size, bmp_image(size, large_pixel(size))) for size in (32, 48)]
    images.append((256, png_image(256, large_pixel(256))))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, data in images:
        side = size % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + b"".join(data for _, data in images)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "res/tavlo.ico", "wb") as f:
        f.write(build())
