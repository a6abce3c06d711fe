#!/usr/bin/env bash
# Configures and builds the release tree in build/: with --run only the two programs, without it
# everything (tests and benchmarks too).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = --run ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUNEWRAP_BUILD_TESTS=OFF \
        -DTUNEWRAP_BUILD_BENCH=OFF -DTUNEWRAP_BUILD_TOOLS=OFF >/dev/null
    cmake --build build -j"$(nproc)"
else
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUNEWRAP_BUILD_TESTS=ON \
        -DTUNEWRAP_BUILD_BENCH=ON -DTUNEWRAP_BUILD_TOOLS=ON >/dev/null
    cmake --build build -j"$(nproc)"
fi
