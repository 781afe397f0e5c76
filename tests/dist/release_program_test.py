#!/usr/bin/env python3
"""The program we ship, as a user gets it: the release zip is packed from this build and unpacked
into a fresh folder; the Windows suite's ReleaseProgramTest (tests/win32/release_program_test.cpp)
starts the zip's stripped tavlo.exe there under 32-bit Wine beside a notes file, sees its notes and
its tray icon, pastes into a note, opens the zip's help, ends it and checks the files it wrote. Here: that it wrote no
other file and left the program as shipped.

Usage: release_program_test.py BUILD/win32_tests.exe BUILD/tavlo.exe"""
import os
import shutil
import subprocess
import sys
import unittest
import zipfile

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


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

        env = dict(os.environ, TAVLO_PRESET="win32", TAVLO_UNPACKED=windows_path(folder))
        run = subprocess.run(["sh", os.path.join(TOP, "tools", "wine-run.sh"), self.suite,
                              "--gtest_also_run_disabled_tests", "--gtest_filter=ReleaseProgramTest.*"],
                             env=env, capture_output=True, text=True, timeout=540)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
        self.assertIn("[  PASSED  ] 1 test", run.stdout, run.stdout)

        self.assertEqual(sorted(os.listdir(folder)), ["LICENSE.txt", "README-en.txt", "README.txt", "tavlo.DAT",
                                                      "tavlo.INI", "tavlo.OLD", "tavlo.chm", "tavlo.exe"])
        with open(os.path.join(folder, "tavlo.exe"), "rb") as f:
            self.assertEqual(f.read(), shipped, "the program is never written")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    ReleaseProgramTest.suite, ReleaseProgramTest.program = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
