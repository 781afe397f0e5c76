#!/bin/sh
# Runs a Windows program under Wine with the project's prefix; on a virtual display when none is set.
. "$(dirname "$0")/wine-env.sh"
"$top/tools/wine-prefix.sh"
if [ -z "$DISPLAY" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
