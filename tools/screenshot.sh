#!/bin/sh
# Saves docs/screenshot.png: the program under /TIMER on a virtual display, with a few notes in
# different colours, fonts and display modes, wrapped Japanese text and date macros. It runs a
# copy of build/win32/tavlo.exe (or $TAVLO_EXE) in a private folder, so no real notes are touched.
set -eu
cd "$(dirname "$0")/.."
. tools/wine-env.sh
sh tools/wine-prefix.sh

exe=${TAVLO_EXE:-$winbuild/tavlo.exe}
folder=build/screenshot
rm -rf "$folder"
mkdir -p "$folder" docs
cp "$exe" "$folder/tavlo.exe"
python3 tools/screenshot_notes.py "$folder/tavlo.DAT"

# /W keeps this copy apart from any other copy running in the same Wine prefix.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
    wine '$folder/tavlo.exe' /TIMER /W &
    program=\$!
    sleep \${TAVLO_SCREENSHOT_SECONDS:-6}
    import -window root -crop 1024x308+0+460 +repage docs/screenshot.png
    kill \$program
    wait \$program 2>/dev/null || true"
echo "Saved docs/screenshot.png"
