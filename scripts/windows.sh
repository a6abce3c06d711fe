#!/usr/bin/env bash
# The Windows command-line tool: cross-builds build-windows with mingw-w64, runs its tests under
# Wine (against the Linux tool in build/ for the same-output check) and makes the ZIP.
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

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DTUNEWRAP_LINUX_CLI="$linux_cli" >/dev/null
cmake --build build-windows -j"$(nproc)" >/dev/null
if x86_64-w64-mingw32-objdump -p build-windows/app/tunewrap-cli.exe |
    grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread)'; then
    echo "tunewrap-cli.exe needs MinGW DLLs; it must be linked statically"
    exit 1
fi
# A message box needs a display: without one, Wine gets a virtual one for the tests.
display=()
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then display=(xvfb-run -a); fi
"${display[@]}" ctest --test-dir build-windows --output-on-failure -j"$(nproc)"
(cd build-windows && cpack >/dev/null && ls -l ./*.zip)
