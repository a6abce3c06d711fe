#!/usr/bin/env bash
# A static Qt 6 for 64-bit Windows, built with mingw-w64 from Debian's own qt6-base source, so the
# window links into one program file with nothing to ship beside it. Prints the install prefix on
# its last line; builds only when the cache holds no finished build for these options.
#   prefix=$(scripts/qt-windows.sh | tail -1)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The target Qt must be the version of the host tools (moc, rcc, uic) it is built and used with.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# Only Core, Gui, Widgets, Test (the window's tests run under Wine too), the Windows and offscreen
# platform plugins and the native style: everything else is left out to keep a two-core build
# short. tabletevent: Debian's cleaned source drops the third-party wintab.h.
# dynamicgl: 6.4's Windows platform plugin does not compile with OpenGL off while it is on.
# direct2d stays on although its platform plugin is not needed: Gui builds the DirectWrite font
# database only with it, and the Windows platform plugin calls that whenever DirectWrite is found.
# zstd: Debian forces a shared libzstd.
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
         -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
         -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
         -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
         -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
         -DFEATURE_testlib=ON -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
         -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
         -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF)
# Source changes, each with a comment saying why; none is needed today.
shopt -s nullglob
patches=("$here"/qt-windows-patches/*.patch)
toolchain=$here/../cmake/mingw-w64-x86_64.cmake

key=$({ printf '%s\n' "${options[@]}"; cat "$toolchain" "${patches[@]}"; } | sha256sum | cut -c1-12)
dir=${TUNEWRAP_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tunewrap}/qt-windows-${version//:/_}-$key
prefix=$dir/prefix
if [ ! -f "$dir/done" ]; then
    mkdir -p "$dir/work"
    exec 9>"$dir/lock"
    flock 9 # a second caller waits for the first build instead of running its own
fi
if [ -f "$dir/done" ]; then
    echo "$prefix"
    exit 0
fi

log=$dir/build.log
work=$dir/work
start=$SECONDS
echo "qt-windows: building Qt $version for Windows in $dir (log: $log)" >&2
phase() { # NAME COMMAND...: runs one step into the log, says how long it took
    local name=$1 began=$SECONDS
    shift
    echo "== $name" >>"$log"
    set +e # a subshell outside any condition, so that -e still stops a function at its first error
    (set -e && "$@") >>"$log" 2>&1
    local status=$?
    set -e
    if [ $status -ne 0 ]; then
        echo "qt-windows: $name failed after $((SECONDS - began)) s; see $log" >&2
        exit 1
    fi
    echo "qt-windows: $name: $((SECONDS - began)) s" >&2
}

fetch() {
    rm -rf "$work/src" "$work"/qt6-base_*
    (cd "$work" && apt-get source -q --download-only "qt6-base=$version") ||
        { echo "no qt6-base source in apt: run scripts/setup.sh"; exit 1; }
    dpkg-source -x "$work"/qt6-base_*.dsc "$work/src"
    local unpacked
    unpacked=$(dpkg-parsechangelog -l "$work/src/debian/changelog" -S Version)
    [ "$unpacked" = "$version" ] || { echo "unpacked $unpacked, expected $version"; exit 1; }
    local p
    for p in "${patches[@]}"; do
        patch -d "$work/src" -p1 <"$p"
    done
    touch "$work/src.done"
}

# The toolchain file is kept beside the build: Qt's installed configs name the one it was built with.
cp "$toolchain" "$dir/mingw-w64-x86_64.cmake"
[ -f "$work/src.done" ] || phase "fetch source" fetch
phase configure cmake -S "$work/src" -B "$work/build" -G Ninja "${options[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$dir/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix"
phase build cmake --build "$work/build" -j2
rm -rf "$prefix"
phase install cmake --install "$work/build"
touch "$dir/done"
rm -rf "$work"
echo "qt-windows: done in $((SECONDS - start)) s" >&2
echo "$prefix"
