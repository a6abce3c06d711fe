#!/usr/bin/env bash
# Makes the short MP3 clips the reader tests use. Needs python3 and Debian's lame.
# The input is generated here: 0.15 s of silence, then a 440 Hz tone with some noise, so that a
# variable-bit-rate encoding really changes its bit rate.
set -euo pipefail
cd "$(dirname "$0")"

pcm() {  # pcm RATE SECONDS > raw 16-bit little-endian stereo
    python3 - "$1" "$2" <<'PY'
import math, struct, sys
rate, seconds = int(sys.argv[1]), float(sys.argv[2])
seed = 12345
out = bytearray()
for n in range(int(rate * seconds)):
    seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
    if n < rate * 0.15:
        v = 0
    else:
        v = int(8000 * math.sin(2 * math.pi * 440 * n / rate) + (seed % 6000) - 3000)
    out += struct.pack('<hh', v, v)
sys.stdout.buffer.write(out)
PY
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

enc() {  # enc RATE_HZ OUTPUT LAME_OPTIONS...
    local rate=$1 out=$2
    shift 2
    pcm "$rate" 0.4 > "$tmp/in.raw"
    lame --silent -r -s "$(python3 -c "print($rate / 1000)")" --bitwidth 16 --signed \
        --little-endian "$@" "$tmp/in.raw" "$out"
}

enc 44100 cbr128_joint.mp3 -b 128 -m j
enc 44100 cbr128_stereo.mp3 -b 128 -m s
enc 44100 cbr96_mono.mp3 -b 96 -m m
enc 44100 cbr192_joint.mp3 -b 192 -m j
enc 48000 cbr128_48k.mp3 -b 128 -m j
enc 44100 vbr.mp3 -V 2 -m j
