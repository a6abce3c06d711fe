#!/usr/bin/env bash
# Makes the short MP3 clips the reader tests use. Needs python3 and Debian's lame.
# The input is generated here: 0.15 s of silence (SILENCE), then a 440 Hz tone with some noise up
# to 0.4 s (LENGTH), so that a variable-bit-rate encoding really changes its bit rate.
set -euo pipefail
cd "$(dirname "$0")"

pcm() {  # pcm RATE SECONDS SILENCE > raw 16-bit little-endian stereo
    python3 - "$1" "$2" "$3" <<'PY'
import math, struct, sys
rate, seconds, silence = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3])
seed = 12345
out = bytearray()
for n in range(int(rate * seconds)):
    seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
    if n < rate * silence:
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
    pcm "$rate" "${LENGTH:-0.4}" "${SILENCE:-0.15}" > "$tmp/in.raw"
    lame --silent -r -s "$(python3 -c "print($rate / 1000)")" --bitwidth 16 --signed \
        --little-endian "$@" "$tmp/in.raw" "$out"
}

enc 44100 cbr128_joint.mp3 -b 128 -m j
enc 44100 cbr128_stereo.mp3 -b 128 -m s
enc 44100 cbr96_mono.mp3 -b 96 -m m
enc 44100 cbr192_joint.mp3 -b 192 -m j
enc 48000 cbr128_48k.mp3 -b 128 -m j
enc 32000 cbr128_32k.mp3 -b 128 -m j
enc 44100 vbr.mp3 -V 2 -m j
# Frames with a CRC; MPEG-2 and MPEG-2.5 Layer III, which the game does not take.
enc 44100 cbr128_crc.mp3 -b 128 -m j -p
enc 22050 mpeg2_22k.mp3 -b 64 -m j
enc 11025 mpeg25_11k.mp3 -b 32 -m j
# Variable, yet its first thirteen frames (the silence) are all 128 kbit/s: only the Xing tag
# in the first frame tells.
LENGTH=0.5 SILENCE=0.3 enc 44100 vbr_first128.mp3 -V 0 -b 128 -B 320 -F -m j
# set_gain SOURCE GAIN CHANNELS > OUTPUT: every granule's global gain of the channels named
# ("both" or "right") set to GAIN; 255 makes samples some ten million times full scale, 0 silence.
set_gain() {
    python3 - "$@" <<'PY'
import sys
data = bytearray(open(sys.argv[1], 'rb').read())
gain, only_right = int(sys.argv[2]), sys.argv[3] == 'right'
rates = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]
def set_bits(at, count, value):
    for k in range(count):
        byte, bit = divmod(at + k, 8)
        data[byte] = data[byte] & ~(0x80 >> bit) | ((value >> (count - 1 - k)) & 1) << (7 - bit)
i = 0
while i + 4 <= len(data):
    h = data[i:i + 4]
    if h[0] != 0xFF or h[1] & 0xFE != 0xFA:  # MPEG-1 Layer III, with or without a CRC
        i += 1
        continue
    channels = 1 if h[3] >> 6 == 3 else 2
    # The side information: main_data_begin (9 bits), private bits, scfsi, then 59 bits per
    # granule and channel (left before right), of which global_gain is bits 21 to 28.
    at = (i + 4 + (0 if h[1] & 1 else 2)) * 8 + 9 + (5 if channels == 1 else 3) + 4 * channels
    for granule in range(2 * channels):
        if not only_right or granule % 2 == 1:
            set_bits(at + 59 * granule + 21, 8, gain)
    i += 144000 * rates[h[2] >> 4] // [44100, 48000, 32000][h[2] >> 2 & 3] + (h[2] >> 1 & 1)
sys.stdout.buffer.write(data)
PY
}
# Damaged on purpose: the decoder makes samples far beyond full scale.
set_gain cbr192_joint.mp3 255 both > gain255.mp3
# Left and right differ: a tone on the left only (the channels are coded apart in "-m s").
set_gain cbr128_stereo.mp3 0 right > left_only.mp3
