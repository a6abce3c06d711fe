#!/usr/bin/env bash
# Fresh machine to running window: install, build, start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --run
scripts/build.sh --run
exec build/app/tunewrap "$@"
