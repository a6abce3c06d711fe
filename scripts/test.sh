#!/usr/bin/env bash
# Fresh machine to a full test run: install, build, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
# A short fuzz run, then the same suite under the address and undefined-behaviour sanitizers
# (last, so that the run closes with ctest's summary).
scripts/fuzz.sh 30
scripts/sanitize.sh
