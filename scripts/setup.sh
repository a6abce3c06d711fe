#!/usr/bin/env bash
# Installs what is missing on this machine: with --run only what building and running the two
# programs needs; without it also everything the tests, sanitizers, fuzzers and packaging checks use.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libcli11-dev nlohmann-json3-dev
          libmpg123-dev libmp3lame-dev libsoxr-dev librsvg2-bin
          qt6-l10n-tools qt6-translations-l10n)
if [ "${1:-}" != --run ]; then
    packages+=(libgtest-dev clang libclang-rt-dev fonts-dejavu-core
               dpkg-dev desktop-file-utils appstream lintian man-db shared-mime-info
               g++-mingw-w64-x86-64-posix wine xvfb xauth xdotool)
fi
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
# The static Qt for Windows (scripts/qt-windows.sh) is built from Debian's own qt6-base source,
# so apt needs the source lists of the suites it already installs from.
need_update=
sources=/etc/apt/sources.list.d/debian.sources
if [ "${1:-}" != --run ] && [ -f "$sources" ] && grep -q '^Types: deb$' "$sources"; then
    "${sudo_cmd[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
    need_update=1
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    need_update=1
fi
[ -z "$need_update" ] || "${sudo_cmd[@]}" apt-get update -q >/dev/null
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
