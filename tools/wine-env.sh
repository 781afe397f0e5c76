# Sourced: the environment every Wine run of the project shares.
top=$(cd "$(dirname "$0")/.." && pwd)
export TAVLO_PRESET="${TAVLO_PRESET:-$(sh "$top/tools/wine-preset.sh")}"
if [ "$TAVLO_PRESET" = win64 ]; then
    export WINEPREFIX="${WINEPREFIX:-$top/build/wineprefix64}"
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    export PATH="$top/tools/wine64-bin:$PATH"
else
    export WINEPREFIX="${WINEPREFIX:-$top/build/wineprefix}"
    export WINEARCH=win32
    # Where the kernel runs no 32-bit code, 32-bit Wine runs under the emulator (tools/i386-run.sh).
    /usr/lib/wine/wine --version >/dev/null 2>&1 || export PATH="$top/tools/wine32-bin:$PATH"
fi
# The build whose programs run here: build/win32 or build/win64.
winbuild="$top/build/$TAVLO_PRESET"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Japanese unless a run asks for another locale: the tests run once more under one that is not.
export TAVLO_LOCALE="${TAVLO_LOCALE:-ja_JP.UTF-8}"
export LC_ALL="$TAVLO_LOCALE"
