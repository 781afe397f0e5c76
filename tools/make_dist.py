#!/usr/bin/env python3
"""Packs the release zip: the 32-bit program stripped, its help built from help/, the Japanese README
in Shift-JIS, the English README in UTF-8 and the licence, the texts with Windows line ends. Every
entry has the same fixed date and the entries a fixed order, so the same sources always give the
same zip, byte for byte.

Usage: make_dist.py PROGRAM.exe OUTPUT-FOLDER    (prints the path of the zip it made)"""
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import make_help

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STRIP = "i686-w64-mingw32-strip"
# The date every entry carries, whatever the date of the build; the program's header gets it too.
RELEASE_DATE = (2026, 1, 1, 0, 0, 0)
RELEASE_TIME = "1767225600"  # the same moment in seconds since 1970
MACHINE_I386 = 0x14C
FILE_ATTRIBUTE_ARCHIVE = 0x20


def version():
    with open(os.path.join(TOP, "platform", "program.h"), encoding="utf-8") as f:
        return re.search(r'#define PROGRAM_VERSION "([^"]+)"', f.read()).group(1)


def pe_machine(image):
    """The machine field of a PE image's file header, or None when the bytes are no PE image."""
    if image[:2] != b"MZ" or len(image) < 64:
        return None
    header = int.from_bytes(image[60:64], "little")
    if image[header:header + 4] != b"PE\0\0":
        return None
    return int.from_bytes(image[header + 4:header + 6], "little")


def stripped_program(path):
    with open(path, "rb") as f:
        if pe_machine(f.read()) != MACHINE_I386:
            sys.exit(f"{path} is not a 32-bit Windows program: the release holds the 32-bit build")
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "tavlo.exe")
        # Without a fixed time the stripped program's header would carry the time of stripping.
        subprocess.run([STRIP, "-o", out, path], check=True, env=dict(os.environ, SOURCE_DATE_EPOCH=RELEASE_TIME))
        with open(out, "rb") as f:
            return f.read()


def windows_text(name):
    """A text file of the tree, read as UTF-8, with CR LF line ends."""
    with open(os.path.join(TOP, name), encoding="utf-8") as f:
        return f.read().replace("\r\n", "\n").replace("\n", "\r\n")


def shift_jis(text):
    # Code page 932 is what Japanese Windows reads; a character beyond plain Shift-JIS would show
    # differently elsewhere, so none is let through.
    data = text.encode("cp932")
    if data.decode("shift_jis", errors="replace") != text:
        sys.exit("the Japanese README holds a character that is not plain Shift-JIS")
    return data


def help_file():
    with tempfile.TemporaryDirectory() as scratch:
        with open(make_help.build(os.path.join(scratch, "tavlo.chm")), "rb") as f:
            return f.read()


def entries(program):
    return [
        ("tavlo.exe", stripped_program(program)),
        ("tavlo.chm", help_file()),
        ("README.txt", shift_jis(windows_text("docs/README-ja.txt"))),
        # The mark lets Notepad of every supported Windows tell UTF-8 from the ANSI code page.
        ("README-en.txt", windows_text("docs/README-en.txt").encode("utf-8-sig")),
        ("LICENSE.txt", windows_text("LICENSE").encode("ascii")),
    ]


def write_zip(path, files):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
        for name, data in files:
            info = zipfile.ZipInfo(name, RELEASE_DATE)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS attributes, the same on every build machine
            info.external_attr = FILE_ATTRIBUTE_ARCHIVE
            z.writestr(info, data)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program, folder = sys.argv[1], sys.argv[2]
    files = entries(program)
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, f"tavlo-{version()}.zip")
    scratch = path + ".part"
    write_zip(scratch, files)
    os.replace(scratch, path)  # a failed run never leaves a half-written zip under the real name
    print(path)


if __name__ == "__main__":
    main()
