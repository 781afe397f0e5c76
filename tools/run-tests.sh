#!/bin/sh
# Runs the core tests natively, then the Windows tests under Wine on a virtual display once for
# each (build, locale) below, one after the other, and prints how long each part took. Exits
# non-zero when any part fails; a failing part does not stop the ones after it.
set -u
cd "$(dirname "$0")/.."

# The Windows runs, PRESET:LOCALE each: the build, and the locale Wine runs in (which gives its
# ANSI code page). win32 is the program as shipped, under qemu-i386 where the kernel runs no 32-bit
# code (tools/i386-run.sh); win64 is the same sources built for 64 bits. Each preset has a Wine
# prefix of its own. The last run is under a locale whose code page is 1252, not 932: the program
# must read, show and store the same there.
windows_runs="win32:ja_JP.UTF-8 win64:ja_JP.UTF-8 win64:C.UTF-8"

status=0
times=""

# Runs a part (NAME COMMAND...) and notes its time and result.
part() {
    name=$1
    shift
    start=$(date +%s)
    if "$@"; then result=passed; else result=FAILED; status=1; fi
    times="$times$(printf '%-30s %5s s  %s' "$name" $(($(date +%s) - start)) "$result")
"
}

# One Windows run (PRESET LOCALE), in a subshell so that its Wine environment stays its own.
# No persistent wineserver here: Wine's services would keep the test's output pipe open and ctest
# would wait for them forever.
windows_tests() (
    export TAVLO_PRESET="$1" TAVLO_LOCALE="$2"
    . tools/wine-env.sh
    sh tools/wine-prefix.sh && xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset "$1"
)

# Wallpaper notes on a plain X display, where Wine stacks every window itself: a prefix of its own
# without the virtual desktop (there each hide waits for a window manager that is not there, so
# only these tests run).
plain_display_tests() (
    export TAVLO_PRESET=win64 WINEPREFIX="$PWD/build/wineprefix64-plain"
    . tools/wine-env.sh
    sh tools/wine-prefix.sh || exit 1
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
    wineserver -w
    cd build/win64 && xvfb-run -a -s "-screen 0 1024x768x24" wine win32_tests.exe --gtest_filter='DisplayModeTest.AWallpaper*'
)

# Notes on two monitors side by side (tools/several-monitors.sh), in a prefix of its own.
several_monitors_tests() (
    export TAVLO_PRESET=win64 WINEPREFIX="$PWD/build/wineprefix64-monitors" TAVLO_TWO_MONITORS=1
    . tools/wine-env.sh
    sh tools/wine-prefix.sh || exit 1
    cd build/win64 && sh ../../tools/several-monitors.sh wine win32_tests.exe --gtest_filter='SeveralMonitorsTest.*'
)

part "host tests" ctest --preset host
for run in $windows_runs; do
    part "Windows tests ${run%%:*} ${run#*:}" windows_tests "${run%%:*}" "${run#*:}"
done
part "wallpaper notes, plain X display" plain_display_tests
part "notes on two monitors" several_monitors_tests

printf '\n---- time per part ----\n%s' "$times"
exit $status
