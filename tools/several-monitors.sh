#!/bin/sh
# Runs a command on a display of two monitors side by side, as Wine sees them: inside a virtual
# X server, a nested one (Xephyr) whose Xinerama screens are an 800 x 600 primary and a 640 x 480
# monitor to its right. Wine, told not to ask XRandR, reports them as two monitors.
# Usage (with the Wine environment set): several-monitors.sh COMMAND...
set -u
[ -n "${WINEPREFIX:-}" ] || { echo "several-monitors.sh: no Wine prefix" >&2; exit 2; }
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
# A virtual desktop would be one monitor of its own size.
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
wineserver -w
exec xvfb-run -a -s "-screen 0 1600x800x24" sh -c '
    display=:$((50 + $$ % 40))
    Xephyr "$display" +xinerama -screen 800x600 -screen 640x480 -ac >/dev/null 2>&1 &
    server=$!
    for i in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.2; done
    DISPLAY=$display "$@"
    status=$?
    kill $server
    exit $status' several-monitors "$@"
