#!/bin/sh
# Runs the core tests natively and the Windows tests under Wine on a virtual display. Exits
# non-zero on any failure.
set -u
cd "$(dirname "$0")/.."
. tools/wine-env.sh
sh tools/wine-prefix.sh

status=0
ctest --preset host || status=1
# No persistent wineserver here: Wine's services would keep the test's output pipe open and
# ctest would wait for them forever.
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "$TAVLO_PRESET" || status=1
exit $status
