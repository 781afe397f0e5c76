#!/bin/sh
# Puts Debian trixie's qemu-i386 (from qemu-user 10, statically linked) into build/qemu/, for
# tools/i386-run.sh on machines whose kernel runs no 32-bit code; bookworm's qemu-user 7.2 crashes
# 32-bit Wine. Only that one binary is taken from the package file: apt reads trixie's list from a
# scratch folder of its own, so nothing from trixie is installed and the machine's sources and
# lists stay as they are. A no-op when a qemu-i386 of version 10 or later is already there.
set -eu
SUDO=
[ "$(id -u)" = 0 ] || SUDO=sudo
top=$(cd "$(dirname "$0")/.." && pwd)
qemu="$top/build/qemu/qemu-i386"

major() { "$1" --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p'; }
[ "$(major "$qemu")" -ge 10 ] 2>/dev/null && exit 0

# The machine's own Debian mirror, as its sources name it for its own release.
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror() { apt-get indextargets --format '$(REPO_URI)' "Codename: $codename" 'Identifier: Packages' | head -n 1; }
uri=$(mirror)
if [ -z "$uri" ]; then
    $SUDO apt-get update -qq
    uri=$(mirror)
fi
[ -n "$uri" ] || { echo "fetch-qemu.sh: no Debian mirror in the apt sources" >&2; exit 1; }

# trixie's lists are signed with keys that only an updated keyring of the machine's release holds.
if [ ! -e /usr/share/keyrings/debian-archive-trixie-automatic.gpg ]; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq debian-archive-keyring
fi

echo "fetching qemu-i386 from Debian trixie's qemu-user into build/qemu/"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/sources" "$scratch/lists/partial" "$scratch/cache/archives/partial" "$scratch/deb"
cat >"$scratch/sources/trixie.sources" <<EOF
Types: deb
URIs: $uri
Suites: trixie
Components: main
Architectures: $(dpkg --print-architecture)
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
# apt with everything of its own in the scratch folder; the download needs no sandbox user there.
set -- -qq -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$scratch/sources" \
    -o "Dir::State::Lists=$scratch/lists" -o "Dir::Cache=$scratch/cache" -o APT::Sandbox::User=root
apt-get "$@" update
(cd "$scratch/deb" && apt-get "$@" download qemu-user)
dpkg-deb --fsys-tarfile "$scratch"/deb/qemu-user_*.deb | tar -x -C "$scratch" ./usr/bin/qemu-i386
mkdir -p "$(dirname "$qemu")"
mv "$scratch/usr/bin/qemu-i386" "$qemu"
"$qemu" --version | head -n 1
