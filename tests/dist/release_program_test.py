#!/usr/bin/env python3
"""The program we ship, as a user gets it: the release zip is packed from this build and unpacked
into a fresh folder with a notes file beside it; the Windows suite's ReleaseProgramTest
(tests/win32/release_program_test.cpp) starts the zip's stripped tavlo.exe there under 32-bit Wine,
sees its notes and its tray icon, pastes into a note and ends it. Then every file in the folder is
checked byte for byte.

Usage: release_program_test.py BUILD/win32_tests.exe BUILD/tavlo.exe"""
import os
import shutil
import struct
import subprocess
import sys
import unittest
import zipfile

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RECORD_SIZE = 1188
PASTED = "貼り付け表示"  # as ReleaseProgramTest pastes it


def record(x, y, width, height, text, back_color):
    """One notes-file record (store/note_record.h), its window handle 0 as on disk."""
    font = struct.pack("<5i8B32s", -16, 0, 0, 0, 400, 0, 0, 0, 128, 0, 0, 0, 0x31, "ＭＳ ゴシック".encode("cp932"))
    # The font dialog block keeps a pointer of some earlier run, which means nothing on disk.
    dialog = struct.pack("<4Ii7IHH2i", 60, 0, 0, 0x0041A2C4, 120, 0x41, 0x000080, 0, 0, 0, 0, 0, 0x2000, 0, 0, 0)
    data = struct.pack("<I1024sBB2x6H4iII", 0, text.encode("cp932"), 1, 0, 2026, 1, 2, 3, 4, 5,
                       x, y, width, height, 0, back_color) + font + dialog
    assert len(data) == RECORD_SIZE
    return data


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class ReleaseProgramTest(unittest.TestCase):
    suite = program = None

    def test_the_unpacked_program_restores_shows_saves_and_ends(self):
        work = os.path.join(TOP, "build", "release-test")
        shutil.rmtree(work, ignore_errors=True)
        packed = subprocess.run([sys.executable, os.path.join(TOP, "tools", "make_dist.py"), self.program, work],
                                check=True, capture_output=True, text=True).stdout.strip()
        folder = os.path.join(work, "tavlo")
        with zipfile.ZipFile(packed) as z:
            z.extractall(folder)
            shipped = z.read("tavlo.exe")
        notes = record(30, 40, 200, 60, "メモ", 0x80FFFF) + record(300, 400, 150, 90, "二枚目\r\n表", 0xC0FFC0)
        with open(os.path.join(folder, "tavlo.DAT"), "wb") as f:
            f.write(notes)

        env = dict(os.environ, TAVLO_PRESET="win32", TAVLO_UNPACKED=windows_path(folder))
        run = subprocess.run(["sh", os.path.join(TOP, "tools", "wine-run.sh"), self.suite,
                              "--gtest_also_run_disabled_tests", "--gtest_filter=ReleaseProgramTest.*"],
                             env=env, capture_output=True, text=True, timeout=540)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
        self.assertIn("[  PASSED  ] 1 test", run.stdout, run.stdout)

        def file(name):
            with open(os.path.join(folder, name), "rb") as f:
                return f.read()

        self.assertEqual(sorted(os.listdir(folder)), ["LICENSE.txt", "README-en.txt", "README.txt", "tavlo.DAT",
                                                      "tavlo.INI", "tavlo.OLD", "tavlo.exe"])
        self.assertEqual(file("tavlo.exe"), shipped, "the program is never written")
        self.assertEqual(file("tavlo.OLD"), notes, "the notes file as it was at the start")
        # The pasted text replaces the first note's; nothing else changes but the window handle each
        # record holds in its first 32 bits, which belongs to this run.
        expected = bytearray(notes)
        expected[4:4 + 1024] = PASTED.encode("cp932").ljust(1024, b"\0")
        saved = bytearray(file("tavlo.DAT"))
        self.assertEqual(len(saved), len(expected))
        for at in range(0, len(saved), RECORD_SIZE):
            saved[at:at + 4] = expected[at:at + 4]
        self.assertEqual(saved, expected)
        settings = ("[作成方法]\r\n作成位置=1\r\n表示モード=0\r\nタスクバー表示=0\r\n背景色=0\r\n"
                    "フォント=1\r\n折り返し=0\r\n１枚目を開く=0\r\nメモ入力=0\r\n"
                    "[整列方法]\r\n位置=1\r\n方向=1\r\n間隔=3\r\nすぐ整列=0\r\n１枚目=0\r\n"
                    "ソート方法=0\r\nソート順=0\r\n"
                    "[その他]\r\nログ=0\r\nＩＭＥ=0\r\n")
        self.assertEqual(file("tavlo.INI"), settings.encode("cp932"), "made with the built-in settings")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    ReleaseProgramTest.suite, ReleaseProgramTest.program = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
