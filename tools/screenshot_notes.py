#!/usr/bin/env python3
"""Writes the notes file of the screenshot: a few notes in different colours, fonts and modes."""
import struct
import sys

RECORD_SIZE = 1188
NORMAL, TOPMOST, WALLPAPER = 0, 1, 2
SHIFTJIS_CHARSET = 128


def rgb(r, g, b):
    return r | g << 8 | b << 16


def logfont(height, face, weight=400):
    """A LOGFONTA: height in pixels (negative: character height), weight, Shift-JIS face name."""
    name = face.encode("cp932").ljust(32, b"\0")
    return struct.pack("<5i8B", height, 0, 0, 0, weight, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0) + name


def font_dialog(text_color):
    """A CHOOSEFONTA in its 32-bit layout; only its size and text colour mean anything on disk."""
    return struct.pack("<6I", 60, 0, 0, 0, 0, 0) + struct.pack("<I", text_color) + bytes(60 - 28)


def note(text, x, y, width, height, back, color, font, wrap=1, mode=NORMAL):
    body = text.replace("\n", "\r\n").encode("cp932")
    assert len(body) <= 1023
    record = struct.pack("<I", 0) + body.ljust(1024, b"\0")
    record += struct.pack("<BBH", 1, wrap, 0)
    record += struct.pack("<6H", 2026, 12, 6, 7, 5, 9)
    record += struct.pack("<4iII", x, y, width, height, mode, back)
    record += font + font_dialog(color)
    assert len(record) == RECORD_SIZE
    return record


GOTHIC, PGOTHIC, MINCHO = "ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝"

# Laid out in the lower part of a 1024 x 768 screen, above the taskbar, which the picture keeps.
NOTES = [
    note("$$タヴロ$$DATE1$$", 24, 480, 420, 36, rgb(200, 225, 255), rgb(20, 40, 110),
         logfont(-20, GOTHIC, 700), wrap=0, mode=TOPMOST),
    note("$$タヴロ$$DATE3$$", 464, 480, 190, 36, rgb(210, 240, 200), rgb(20, 90, 30),
         logfont(-20, PGOTHIC), wrap=0),
    note("$$タヴロ$$DATE2$$", 674, 480, 326, 36, rgb(255, 255, 255), rgb(200, 0, 0),
         logfont(-18, MINCHO, 700), wrap=0),
    note("買い物リスト\n・牛乳 2本\n・卵 1パック\n・食パン\n・りんご 3個", 24, 536, 200, 128,
         rgb(255, 255, 128), rgb(0, 0, 0), logfont(-18, GOTHIC)),
    note("明日の会議は午前10時から第2会議室で行います。資料を忘れずに持ってきてください。",
         244, 536, 250, 108, rgb(255, 205, 220), rgb(130, 0, 40), logfont(-18, MINCHO)),
    note("TODO\n\t3.2 を出す\n\tヘルプを書く\n\t壁紙モードを試す", 514, 536, 190, 108, rgb(40, 40, 48),
         rgb(255, 255, 255), logfont(-16, GOTHIC), wrap=0),
    note("電話 田中さん\n03-1234-5678\n(午後3時以降)", 724, 536, 276, 108, rgb(170, 220, 235),
         rgb(0, 60, 90), logfont(-24, PGOTHIC, 700)),
    note("この付箋は壁紙モードです。ほかのウィンドウの下に置かれ、マウスでは動かせません。",
         244, 664, 460, 56, rgb(255, 225, 170), rgb(110, 60, 0), logfont(-16, PGOTHIC), mode=WALLPAPER),
]


def main():
    with open(sys.argv[1], "wb") as out:
        for record in NOTES:
            out.write(record)


if __name__ == "__main__":
    main()
