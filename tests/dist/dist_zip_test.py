#!/usr/bin/env python3
"""The release zip: built twice from the same sources it is the same, byte for byte, and it holds
exactly the stripped 32-bit program, the two READMEs in their encodings and the licence."""
import os
import re
import subprocess
import unittest
import zipfile

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
ZIP = os.path.join(TOP, "build", "dist", "tavlo-3.2.zip")
PROGRAM = os.path.join(TOP, "build", "win32", "tavlo.exe")


def make_dist():
    # A make of its own: the jobs of a make that runs this test are not ours to share.
    env = {k: v for k, v in os.environ.items() if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL")}
    subprocess.run(["make", "-s", "-C", TOP, "dist"], env=env, check=True, stdout=subprocess.DEVNULL)
    with open(ZIP, "rb") as f:
        return f.read()


def coff_header(image):
    """(machine, symbol count) from a PE image's file header."""
    pe = int.from_bytes(image[60:64], "little")
    assert image[pe:pe + 4] == b"PE\0\0", "not a PE image"
    field = lambda at, size: int.from_bytes(image[pe + 4 + at:pe + 4 + at + size], "little")
    return field(0, 2), field(12, 4)


def windows_lines(data):
    return data.count(b"\n") > 0 and data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r")


class DistZipTest(unittest.TestCase):
    def test_the_same_sources_give_the_same_zip_holding_the_release(self):
        first = make_dist()
        os.remove(PROGRAM)  # linked again, at another time
        self.assertTrue(make_dist() == first, "two builds of the same sources give different zips")

        with zipfile.ZipFile(ZIP) as z:
            self.assertEqual(z.namelist(), ["tavlo.exe", "README.txt", "README-en.txt", "LICENSE.txt"])
            machine, symbols = coff_header(z.read("tavlo.exe"))
            self.assertEqual(machine, 0x14C, "the 32-bit program")
            self.assertEqual(symbols, 0, "stripped")

            japanese = z.read("README.txt")
            self.assertTrue(windows_lines(japanese))
            self.assertIn("タヴロ", japanese.decode("shift_jis"))
            english = z.read("README-en.txt")
            self.assertTrue(windows_lines(english))
            self.assertIn("Tavlo", english.decode("utf-8"))

            licence = z.read("LICENSE.txt").decode("ascii")
            self.assertTrue(windows_lines(licence.encode()))
            self.assertIn("MIT License", licence)
            with open(os.path.join(TOP, "app", "about_box.cpp"), encoding="utf-8") as f:
                about = re.search(r'kMakerNotice\[\] = "([^"]*)"', f.read())
            self.assertIsNotNone(about, "the About box names its maker")
            self.assertIn(about.group(1), licence, "the licence names the maker as the About box does")


if __name__ == "__main__":
    unittest.main()
