#!/bin/sh
# Starts the program under Wine: on $DISPLAY when there is one; otherwise on a virtual display for
# a few seconds, saving a screenshot to build/screenshot.png.
cd "$(dirname "$0")/.."
. tools/wine-env.sh
sh tools/wine-prefix.sh
exe="$winbuild/tavlo.exe"
if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe"
fi
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    wine '$exe' &
    sleep \${TAVLO_RUN_SECONDS:-6}
    import -window root build/screenshot.png
    wineserver -k"
echo "No display: the program ran on a virtual display; its screenshot is build/screenshot.png"
