#!/usr/bin/env bash
# Fresh machine to a full test run: install, build, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
# The command-line tool and its tests without the window: Qt is never looked for nor linked.
cmake -S . -B build-noui -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUNEWRAP_BUILD_UI=OFF >/dev/null
cmake --build build-noui -j"$(nproc)" >/dev/null
if grep -q '^Qt6' build-noui/CMakeCache.txt || ldd build-noui/app/tunewrap-cli | grep -q Qt; then
    echo "the build without the window still uses Qt"
    exit 1
fi
ctest --test-dir build-noui --output-on-failure -j"$(nproc)"
# The Debian package: lint, install, validate, purge.
scripts/package.sh
# The command-line tool for Windows, cross-built and tested under Wine.
scripts/windows.sh
# The fuzzers' fixed step (the same result every time), then the same suite under the address
# and undefined-behaviour sanitizers (last, so that the run closes with ctest's summary).
scripts/fuzz.sh
scripts/sanitize.sh
