#!/usr/bin/env bash
# The Windows programs: cross-builds build-windows with mingw-w64 against a static Qt for Windows
# (built once into a cache outside the clone by scripts/qt-windows.sh), runs the tests under Wine
# on a virtual X server (against the Linux tool in build/ for the same-output check) and makes
# the ZIP.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
linux_cli=${TUNEWRAP_LINUX_CLI:-$root/build/app/tunewrap-cli}
[ -x "$linux_cli" ] || { echo "build the Linux tree first (scripts/build.sh)"; exit 1; }

# Wine keeps its own Windows installation in the build folder; quiet, and made once.
export WINEPREFIX=$root/build-windows/wine WINEDEBUG=-all
mkdir -p build-windows
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi

# Qt's toolchain file makes its prefix a root to search and then loads the project's own
# (cmake/mingw-w64-x86_64.cmake, kept beside the Qt build it made).
qt_prefix=$(scripts/qt-windows.sh | tail -1)
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DTUNEWRAP_LINUX_CLI="$linux_cli" >/dev/null
cmake --build build-windows -j"$(nproc)" >/dev/null
# Each program is one file: anything but the system's own DLLs would be missing on a user's PC.
for exe in tunewrap-cli.exe tunewrap.exe; do
    [ -f "build-windows/app/$exe" ] || { echo "$exe was not built"; exit 1; }
    if x86_64-w64-mingw32-objdump -p "build-windows/app/$exe" |
        grep -iE 'DLL Name: (lib|qt|icu|zlib|pcre|harfbuzz|freetype)'; then
        echo "$exe needs DLLs that are not part of Windows; it must be linked statically"
        exit 1
    fi
done
# The window and message boxes need a display: Wine gets a virtual one, never the desktop's. Wine
# takes its time zone from the first Wine process: one with summer time, for the date tests. One
# test at a time: while one Wine process shows a window, others may stall in starting.
TZ=Europe/Berlin xvfb-run -a -s "-screen 0 1920x1080x24" \
    ctest --test-dir build-windows --output-on-failure
xvfb-run -a scripts/windows-window.sh build-windows/app/tunewrap.exe "$linux_cli"
(cd build-windows && cpack >/dev/null && ls -l ./*.zip)
