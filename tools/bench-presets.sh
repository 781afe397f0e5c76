#!/bin/sh
# The builds `make bench` measures: the one Wine runs natively here (tools/wine-preset.sh) and, where
# that is the 32-bit program as shipped and 64-bit Wine runs too, the 64-bit build beside it.
preset=$(sh "$(dirname "$0")/wine-preset.sh")
echo "$preset"
if [ "$preset" = win32 ] && /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
    echo win64
fi
