#!/usr/bin/env python3
"""The release zip: built twice from the same sources it is the same, byte for byte, and it holds
exactly the stripped 32-bit program, which imports only the platform's known DLLs, its Japanese
HTML Help file, the two READMEs in their encodings and the licence."""
import os
import re
import struct
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


# The known DLLs that Windows 7 to 11 all list: the platform takes them from the system folder
# only. Any other DLL imported at load time would be looked for beside the program first, where a
# planted copy (in a downloads folder, say) would run inside it.
KNOWN_DLLS = {
    "advapi32.dll", "comdlg32.dll", "gdi32.dll", "imagehlp.dll", "imm32.dll", "kernel32.dll",
    "msctf.dll", "msvcrt.dll", "normaliz.dll", "nsi.dll", "ole32.dll", "oleaut32.dll", "psapi.dll",
    "rpcrt4.dll", "sechost.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "wldap32.dll", "ws2_32.dll",
}


def imported_dlls(image):
    """The names in a 32-bit PE image's import directory."""
    pe = struct.unpack_from("<I", image, 60)[0]
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    import_rva = struct.unpack_from("<I", image, pe + 24 + 96 + 8)[0]
    headers = [struct.unpack_from("<8xIIII", image, pe + 24 + optional_size + 40 * i) for i in range(sections)]
    offset = lambda rva: next(rva - a + o for v, a, r, o in headers if a <= rva < a + max(v, r))
    names, at = [], offset(import_rva)
    while struct.unpack_from("<12xI", image, at)[0]:
        start = offset(struct.unpack_from("<12xI", image, at)[0])
        names.append(image[start:image.index(b"\0", start)].decode("ascii").lower())
        at += 20
    return names


def windows_lines(data):
    return data.count(b"\n") > 0 and data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r")


class DistZipTest(unittest.TestCase):
    def test_the_same_sources_give_the_same_zip_holding_the_release(self):
        first = make_dist()
        os.remove(PROGRAM)  # linked again, at another time
        self.assertTrue(make_dist() == first, "two builds of the same sources give different zips")

        with zipfile.ZipFile(ZIP) as z:
            self.assertEqual(z.namelist(),
                             ["tavlo.exe", "tavlo.chm", "README.txt", "README-en.txt", "LICENSE.txt"])
            machine, symbols = coff_header(z.read("tavlo.exe"))
            self.assertEqual(machine, 0x14C, "the 32-bit program")
            self.assertEqual(symbols, 0, "stripped")
            dlls = imported_dlls(z.read("tavlo.exe"))
            self.assertIn("kernel32.dll", dlls, "the import table was not read")
            self.assertEqual([d for d in dlls if d not in KNOWN_DLLS], [], "imported from outside the known DLLs")

            # A compiled help file (version 3, the viewers' own) in Japanese, whose contents and
            # index the viewer reads in code page 932.
            help_file = z.read("tavlo.chm")
            self.assertEqual(help_file[:8], b"ITSF\3\0\0\0")
            self.assertEqual(help_file[0x14:0x18], b"\x11\x04\0\0", "language 0x411")

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
