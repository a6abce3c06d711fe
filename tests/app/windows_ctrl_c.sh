#!/usr/bin/env bash
# Usage: windows_ctrl_c.sh EMULATOR WINDOWS_CLI
# Ctrl+C (Wine passes the SIGINT it gets on to the program as one) cancels a copy on Windows as
# on Linux: status 130, the part file removed, no destination.
set -euo pipefail
emulator=$1 windows=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
head -c 200000000 /dev/zero >big.mp3
"$emulator" "$windows" to-bmu big.mp3 >/dev/null 2>&1 &
pid=$!
while [ ! -e big.bmu.tunewrap-part ] && kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
kill -INT "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" != 130 ] || [ -e big.bmu ] || [ -e big.bmu.tunewrap-part ]; then
    echo "after Ctrl+C: status $status, left: $(ls)" >&2
    exit 1
fi
