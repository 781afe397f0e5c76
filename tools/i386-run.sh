#!/bin/sh
# Runs a command where i386 programs run. Where the kernel runs no 32-bit code, that is a private
# user and mount namespace whose own binfmt_misc (kernel 6.7 or later) hands i386 executables to
# Debian trixie's qemu-i386, which `make deps` keeps in build/qemu/ (bookworm's 7.2 crashes Wine).
# Nothing outside the namespace changes: elsewhere i386 programs still fail as before.
set -eu
qemu="$(cd "$(dirname "$0")/.." && pwd)/build/qemu/qemu-i386"
binfmt=/proc/sys/fs/binfmt_misc

if [ "${1:-}" = --in-namespace ]; then
    shift
    if ! mount -t binfmt_misc binfmt_misc "$binfmt"; then
        echo "i386-run.sh: no binfmt_misc of a namespace's own here; that needs Linux 6.7 or later" >&2
        exit 125
    fi
    # An i386 ELF executable or shared object (e_machine 3), as Debian's own qemu-user registers
    # it; binfmt_misc decodes the \x escapes itself. F opens the emulator now, so that it is found
    # whatever the namespace's mounts show later.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s\n' ":tavlo-i386:M::$magic:$mask:$qemu:F" >"$binfmt/register"
    exec "$@"
fi

# The 32-bit Wine loader, the i386 program this is for, tells whether the kernel runs them itself.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    exec "$@"
fi
if [ ! -x "$qemu" ]; then
    echo "i386-run.sh: $qemu is missing; make deps fetches it" >&2
    exit 125
fi
exec unshare --user --map-root-user --mount --fork sh "$0" --in-namespace "$@"
