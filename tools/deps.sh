#!/bin/sh
# Installs what the build and the tests need, when it is missing. Idempotent and non-interactive.
set -e
SUDO=
[ "$(id -u)" = 0 ] || SUDO=sudo

packages="cmake make g++ libgtest-dev googletest g++-mingw-w64-i686-posix mingw-w64-i686-dev
binutils-mingw-w64-i686 wine wine32:i386 xvfb xauth x11-utils imagemagick locales
fonts-ipafont-gothic fonts-ipafont-mincho clang-format"
# Two monitors for the tests: a nested X server with Xinerama screens.
packages="$packages xserver-xephyr"
# The Windows tests also run the same sources built for 64 bits, under 64-bit Wine.
packages="$packages wine64 g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64"
# python3 packs the release zip (make dist); chmcmd (fp-utils) builds the help, tavlo.chm.
packages="$packages python3 fp-utils"

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "installing:$missing"
    dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# Where the kernel runs no 32-bit code, 32-bit Wine runs under trixie's qemu-i386 (tools/i386-run.sh).
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    sh "$(dirname "$0")/fetch-qemu.sh"
fi

# Wine takes its ANSI code page (932) from the Japanese locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf-\?8$'; then
    $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
