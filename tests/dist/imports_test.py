#!/usr/bin/env python3
"""The shipped program imports at load time only DLLs the platform always takes from the system
folder (its known DLLs). Any other DLL would be looked for beside the program first, where a
planted copy (in a downloads folder, say) would run inside it."""
import os
import struct
import unittest

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PROGRAM = os.path.join(TOP, "build", "win32", "tavlo.exe")

# The known DLLs that Windows 7 to 11 all list.
KNOWN_DLLS = {
    "advapi32.dll", "comdlg32.dll", "gdi32.dll", "imagehlp.dll", "imm32.dll", "kernel32.dll",
    "msctf.dll", "msvcrt.dll", "normaliz.dll", "nsi.dll", "ole32.dll", "oleaut32.dll", "psapi.dll",
    "rpcrt4.dll", "sechost.dll", "setupapi.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "wldap32.dll", "ws2_32.dll",
}


def imported_dlls(image):
    """The names in a PE image's import directory."""
    pe = struct.unpack_from("<I", image, 60)[0]
    assert image[pe:pe + 4] == b"PE\0\0", "not a PE image"
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    import_rva = struct.unpack_from("<I", image, directories + 8)[0]
    headers = [struct.unpack_from("<8xIIII", image, optional + optional_size + 40 * i) for i in range(sections)]

    def offset(rva):
        for virtual_size, address, raw_size, raw_offset in headers:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_offset
        raise ValueError("address outside every section")

    names = []
    at = offset(import_rva)
    while struct.unpack_from("<12xI", image, at)[0]:
        start = offset(struct.unpack_from("<12xI", image, at)[0])
        names.append(image[start:image.index(b"\0", start)].decode("ascii").lower())
        at += 20
    return names


class ImportsTest(unittest.TestCase):
    def test_only_known_dlls_are_imported(self):
        with open(PROGRAM, "rb") as f:
            dlls = imported_dlls(f.read())
        self.assertIn("kernel32.dll", dlls, "the import table was not read")
        self.assertEqual([d for d in dlls if d not in KNOWN_DLLS], [], "imported from outside the known DLLs")


if __name__ == "__main__":
    unittest.main()
