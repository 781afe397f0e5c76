#!/bin/sh
# Runs the core tests natively and the Windows tests under Wine, on one virtual display with one
# wineserver kept alive for the whole run. Exits non-zero on any failure.
set -u
cd "$(dirname "$0")/.."
. tools/wine-env.sh
sh tools/wine-prefix.sh

status=0
ctest --preset host || status=1
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    wineserver -p
    ctest --preset win32
    rc=$?
    wineserver -k
    exit $rc' || status=1
exit $status
