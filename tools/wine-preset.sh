#!/bin/sh
# Prints the Windows build that Wine runs natively here, for `make run`, `make bench` and the
# screenshot: win32, the program as shipped, or win64, the same sources built for 64 bits, on
# machines whose kernel runs no 32-bit code (where `make test` runs win32 under an emulator).
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo win32
else
    echo win64
fi
