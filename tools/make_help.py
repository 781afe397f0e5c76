#!/usr/bin/env python3
"""Builds the HTML Help file tavlo.chm from the sources in help/ with chmcmd (Debian's fp-utils).

The sources are UTF-8; the help is compiled in Shift-JIS, the code page of its language (Japanese,
0x411), because the viewer reads the contents and the index in that code page.
chmcmd stamps the time of day of the build into two fields; both are set to the release date's
(midnight, 0), so the same sources always give the same file, byte for byte, as the zip does. The
project asks for no binary index: chmcmd fills its blocks partly from memory it never clears, so
they would differ from build to build; the viewer reads the index from tavlo.hhk instead.

Usage: make_help.py OUTPUT.chm"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = os.path.join(TOP, "help")
PROJECT = "tavlo.hhp"
COMPILED = "tavlo.chm"  # the name the project file gives
TEXT = (".hhp", ".hhc", ".hhk", ".html", ".css")
UTF8_META = b"charset=UTF-8"
SJIS_META = b"charset=Shift_JIS"
RELEASE_TIME_OF_DAY = 0  # milliseconds into the release date, which starts at midnight


def shift_jis(name, text):
    # The help is read as code page 932; a character that would come back as another one is not
    # let through.
    data = text.encode("cp932", errors="replace")
    if data.decode("cp932") != text:
        sys.exit(f"help/{name} holds a character that code page 932 does not have")
    return data


def converted(name, source):
    """A source file as it goes into the help: Shift-JIS, CR LF, and the pages saying so."""
    data = shift_jis(name, source.decode("utf-8").replace("\r\n", "\n").replace("\n", "\r\n"))
    if name.endswith(".html"):
        if data.count(UTF8_META) != 1:
            sys.exit(f"help/{name} must declare {UTF8_META.decode()} once, in its head")
        data = data.replace(UTF8_META, SJIS_META)
    return data


def copy_sources(scratch):
    for root, _, names in os.walk(SOURCES):
        for name in sorted(names):
            relative = os.path.relpath(os.path.join(root, name), SOURCES)
            target = os.path.join(scratch, relative)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(os.path.join(root, name), "rb") as f:
                data = f.read()
            if name.endswith(TEXT):
                data = converted(relative.replace(os.sep, "/"), data)
            with open(target, "wb") as f:
                f.write(data)


def encoded_int(data, at):
    """One of the format's variable-length numbers: 7 bits a byte, high bit set on all but the last."""
    value = 0
    while True:
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def directory_entries(data):
    """(name, section, offset, length) of every entry in the directory's listing chunks."""
    directory = struct.unpack_from("<Q", data, 0x48)[0]
    if data[directory:directory + 4] != b"ITSP":
        sys.exit("chmcmd wrote a directory this script does not know")
    header_length, chunk_size = struct.unpack_from("<I4xI", data, directory + 8)
    first, last = struct.unpack_from("<ii", data, directory + 32)
    for chunk in range(first, last + 1):
        start = directory + header_length + chunk * chunk_size
        if data[start:start + 4] != b"PMGL":
            sys.exit("chmcmd wrote a listing chunk this script does not know")
        free = struct.unpack_from("<I", data, start + 4)[0]
        at, end = start + 20, start + chunk_size - free
        while at < end:
            length, at = encoded_int(data, at)
            name = data[at:at + length].decode("utf-8")
            section, at = encoded_int(data, at + length)
            offset, at = encoded_int(data, at)
            size, at = encoded_int(data, at)
            yield name, section, offset, size


def fix_times(data):
    """Sets the two build times chmcmd writes to the release's: the header's (big-endian) and the
    one in the uncompressed /#SYSTEM file (record code 10)."""
    if data[:4] != b"ITSF" or struct.unpack_from("<I", data, 4)[0] != 3:
        sys.exit("chmcmd wrote a header this script does not know")
    data[0x10:0x14] = struct.pack(">I", RELEASE_TIME_OF_DAY)
    content = struct.unpack_from("<Q", data, 0x58)[0]
    system = [(offset, size) for name, section, offset, size in directory_entries(data)
              if name == "/#SYSTEM" and section == 0]
    if len(system) != 1:
        sys.exit("chmcmd wrote no uncompressed /#SYSTEM")
    offset, size = system[0]
    at, end, stamped = content + offset + 4, content + offset + size, 0
    while at < end:
        code, length = struct.unpack_from("<HH", data, at)
        if code == 10 and length == 4:
            data[at + 4:at + 8] = struct.pack("<I", RELEASE_TIME_OF_DAY)
            stamped += 1
        at += 4 + length
    if stamped != 1:
        sys.exit("chmcmd wrote no build time where this script looks for it")
    return data


def build(output):
    if not shutil.which("chmcmd"):
        sys.exit("chmcmd is missing: make deps installs it (Debian package fp-utils)")
    with tempfile.TemporaryDirectory() as scratch:
        copy_sources(scratch)
        run = subprocess.run(["chmcmd", PROJECT], cwd=scratch, capture_output=True, text=True,
                             encoding="latin-1")
        # chmcmd warns of pages or links it cannot find and still writes a file; such a help is
        # not shipped.
        if run.returncode != 0 or "rror" in run.stdout + run.stderr or "arning" in run.stdout + run.stderr:
            sys.exit(f"chmcmd failed:\n{run.stdout}{run.stderr}")
        with open(os.path.join(scratch, COMPILED), "rb") as f:
            data = fix_times(bytearray(f.read()))
    scratch_output = output + ".part"
    with open(scratch_output, "wb") as f:
        f.write(data)
    os.replace(scratch_output, output)  # a failed build never leaves a half-written help
    return output


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    print(build(os.path.abspath(sys.argv[1])))


if __name__ == "__main__":
    main()
